#include "db/PatientListQuery.h"

#include "db/Database.h"

namespace kelvaro
{

namespace
{

QString TextCondition(const QString& column, const QString& op, const QString& typed)
{
    return QStringLiteral(" and ") + column + op + QLatin1Char('\'') + Quoted(typed) +
           QLatin1Char('\'');
}

} // namespace

QString PatientListStatement(const PatientListFilter& filter, const Dialect& dialect)
{
    QString sql =
        QStringLiteral("select * from ") + dialect.PatientSource + QStringLiteral(" where 1=1");
    if (!filter.Name.isEmpty())
        sql += TextCondition(QStringLiteral("Name"), QStringLiteral("="), filter.Name);
    if (!filter.SerialNumber.isEmpty())
        sql += TextCondition(QStringLiteral("SerialNumber"), QStringLiteral(" like "),
                             filter.SerialNumber);
    if (filter.Section != QStringLiteral("全部"))
        sql +=
            TextCondition(QStringLiteral("InHospitalSection"), QStringLiteral("="), filter.Section);
    const QString period = PeriodLiteral(dialect, filter.Begin, filter.End);
    if (filter.Status == QStringLiteral("在院"))
        sql += QStringLiteral(" and InHospitalDate between  ") + period +
               QStringLiteral(" and CurrentStatus=1");
    else
        sql += QStringLiteral(" and OutHospitalDate between ") + period +
               QStringLiteral(" and CurrentStatus=2");
    return sql;
}

QString SectionFilterStatement()
{
    return QStringLiteral("select SectionName from tblSectionInfo where 1=1") +
           QStringLiteral(" order by SerialNo");
}

} // namespace kelvaro
