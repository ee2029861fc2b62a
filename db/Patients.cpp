#include "db/Patients.h"

#include "db/RowExists.h"

namespace kelvaro
{

bool ReadRegistration(Database& db, const QString& contentID,
                      std::optional<PatientRegistration>& patient, QString* error)
{
    Rows rows;
    if (!db.Select("select SerialNumber,Name,Sex,Age,AgeUnit,InHospitalSection,\t\t\tBedNo,"
                   "InHospitalDate from tblInPatientInfo where ContentID='" +
                       Quoted(contentID) + "'",
                   rows, error))
        return false;
    patient.reset();
    if (rows.empty())
        return true;
    const Row& row = rows.front();
    patient = PatientRegistration{row.text("SerialNumber"), row.text("Name"),
                                  row.text("Sex"),          row.text("Age"),
                                  row.text("AgeUnit"),      row.text("InHospitalSection"),
                                  row.text("BedNo"),        row.dateTime("InHospitalDate")};
    return true;
}

bool SerialNumberTaken(Database& db, const QString& serialNumber, bool& taken, QString* error)
{
    return RowExists(db,
                     "select SerialNo from tblInPatientInfo where SerialNumber='" +
                         Quoted(serialNumber) + "'",
                     taken, error);
}

bool InsertPatient(Database& db, const Dialect& dialect, const QString& contentID,
                   const PatientRegistration& p, QString* error)
{
    return db.Exec(
        "insert into tblInPatientInfo(ContentID,SerialNumber,Name,Sex,Age,\t\t\t\tAgeUnit,"
        "InHospitalSection,BedNo,InHospitalDate,CurrentStatus) Values('" +
            Quoted(contentID) + "','" + Quoted(p.SerialNumber) + "','" + Quoted(p.Name) + "','" +
            Quoted(p.Sex) + "','" + Quoted(p.Age) + "','" + Quoted(p.AgeUnit) + "','" +
            Quoted(p.InHospitalSection) + "','" + Quoted(p.BedNo) + "'," +
            DateTimeLiteral(dialect, p.InHospitalDate) + ",1)",
        error);
}

bool UpdatePatient(Database& db, const Dialect& dialect, const QString& contentID,
                   const PatientRegistration& p, QString* error)
{
    return db.Exec("update tblInPatientInfo set SerialNumber='" + Quoted(p.SerialNumber) +
                       "',Name='" + Quoted(p.Name) + "',Sex='" + Quoted(p.Sex) + "',Age='" +
                       Quoted(p.Age) + "',AgeUnit='" + Quoted(p.AgeUnit) + "',InHospitalSection='" +
                       Quoted(p.InHospitalSection) + "',BedNo='" + Quoted(p.BedNo) +
                       "',InHospitalDate=" + DateTimeLiteral(dialect, p.InHospitalDate) +
                       " where ContentID='" + Quoted(contentID) + "'",
                   error);
}

bool ReadPatientBase(Database& db, const QString& patientSource, const QString& contentID,
                     std::optional<Row>& row, QString* error)
{
    Rows rows;
    const QString select = QStringLiteral("select ContentID,SerialNumber,Name,Sex,Age,AgeUnit,"
                                          "InHospitalSection,\t\t\tBedNo,InHospitalDate,"
                                          "OutHospitalDate from ") +
                           patientSource + QStringLiteral(" where ContentID='") +
                           Quoted(contentID) + QLatin1Char('\'');
    if (!db.Select(select, rows, error))
        return false;
    row.reset();
    if (!rows.empty())
        row = rows.front();
    return true;
}

bool ReadContentIdsBySerial(Database& db, const QString& patientSource, const QString& serialNumber,
                            QStringList& ids, QString* error)
{
    const QString select = QStringLiteral("select ContentID from ") + patientSource +
                           QStringLiteral(" where SerialNumber='") + Quoted(serialNumber) +
                           QLatin1Char('\'');
    return SelectColumn(db, select, QStringLiteral("ContentID"), ids, error);
}

QString PatientTreeStatement(const Dialect& dialect, const QDate& from, const QDate& to, int status)
{
    const QString dateCondition = status == kInHospital
                                      ? QStringLiteral(" where InHospitalDate between  ")
                                      : QStringLiteral(" where OutHospitalDate between ");
    return QStringLiteral("select ContentID,SerialNumber,Name,InHospitalSection from ") +
           dialect.PatientSource + dateCondition + PeriodLiteral(dialect, from, to) +
           QStringLiteral(" and CurrentStatus=") + QString::number(status);
}

} // namespace kelvaro
