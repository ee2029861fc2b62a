#include "db/Dialect.h"

#include "db/Database.h"

namespace kelvaro
{

Dialect DialectForKind(const QString& databaseKind)
{
    if (IsServerKind(databaseKind)) {
        return {QStringLiteral("'"),
                QStringLiteral("yyyy-MM-dd HH:mm:ss"),
                QStringLiteral(" 00:00:00"),
                QStringLiteral(" 23:59:59"),
                QStringLiteral("ViewInPatientInfo"),
                QStringLiteral("''")};
    }
    return {QStringLiteral("#"),
            QStringLiteral("yyyy-MM-dd HH::mm::ss"),
            QStringLiteral(" 00::00::00"),
            QStringLiteral(" 23::59::59"),
            QStringLiteral("tblInPatientInfo"),
            QStringLiteral("null")};
}

QString DateTimeLiteral(const Dialect& dialect, const QDateTime& value)
{
    return dialect.DateQuote + value.toString(dialect.DateTimeFormat) + dialect.DateQuote;
}

QString PeriodLiteral(const Dialect& dialect, const QDate& from, const QDate& to)
{
    const QString format = QStringLiteral("yyyy-MM-dd");
    return dialect.DateQuote + from.toString(format) + dialect.DayStartSuffix + dialect.DateQuote +
           QStringLiteral(" and ") + dialect.DateQuote + to.toString(format) +
           dialect.DayEndSuffix + dialect.DateQuote;
}

} // namespace kelvaro
