#include "db/DemoRows.h"

#include "common/Scramble.h"

namespace kelvaro
{

namespace
{

QString Literal(const QString& text)
{
    return u'\'' + Quoted(text) + u'\'';
}

} // namespace

bool InsertDemoSection(Database& db, const QString& name, QString* error)
{
    return db.Exec(
        QStringLiteral("insert into tblSectionInfo (SectionName) values (%1)").arg(Literal(name)),
        error);
}

bool InsertDemoUser(Database& db, const QString& number, const QString& password,
                    const QString& section, QString* error)
{
    return db.Exec(QStringLiteral("insert into tblUserInfo ([Number], Pwd, SectionName) "
                                  "values (%1, %2, %3)")
                       .arg(Literal(number), Literal(Scramble(password)), Literal(section)),
                   error);
}

bool InsertDemoPatient(Database& db, const Dialect& dialect, const QString& contentID,
                       const PatientRegistration& p, const std::optional<QDateTime>& discharged,
                       QString* error)
{
    return db.Exec(
        QStringLiteral("insert into tblInPatientInfo (ContentID, SerialNumber, Name, Sex, Age, "
                       "AgeUnit, InHospitalSection, BedNo, InHospitalDate, OutHospitalDate, "
                       "CurrentStatus) values (%1, %2, %3, %4, %5, %6, %7, %8, %9, %10, %11)")
            .arg(Literal(contentID), Literal(p.SerialNumber), Literal(p.Name), Literal(p.Sex),
                 Literal(p.Age), Literal(p.AgeUnit), Literal(p.InHospitalSection), Literal(p.BedNo),
                 DateTimeLiteral(dialect, p.InHospitalDate),
                 discharged ? DateTimeLiteral(dialect, *discharged) : QStringLiteral("null"),
                 discharged ? QStringLiteral("2") : QStringLiteral("1")),
        error);
}

bool InsertDemoChart(Database& db, const Dialect& dialect, const QString& patientId,
                     const QString& document, const QDateTime& created, const QString& operatorName,
                     QString* error)
{
    return db.Exec(QStringLiteral("insert into tblFebriloInfo (PatientID, BodyTempData, "
                                  "CreateDate, Operator) values (%1, %2, %3, %4)")
                       .arg(Literal(patientId), Literal(document),
                            DateTimeLiteral(dialect, created), Literal(operatorName)),
                   error);
}

} // namespace kelvaro
