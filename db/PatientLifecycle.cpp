#include "db/PatientLifecycle.h"

#include "db/Database.h"

namespace kelvaro
{

namespace
{

QString WhereContentID(const QString& column, const QString& contentID)
{
    return QStringLiteral(" where ") + column + QStringLiteral("='") + Quoted(contentID) +
           QLatin1Char('\'');
}

} // namespace

QString DischargeStatement(const Dialect& dialect, const QString& contentID, const QDateTime& when)
{
    return QStringLiteral("update tblInPatientInfo set CurrentStatus=2,OutHospitalDate=") +
           DateTimeLiteral(dialect, when) + WhereContentID(QStringLiteral("ContentID"), contentID);
}

QString UndoDischargeStatement(const QString& contentID)
{
    return QStringLiteral("update tblInPatientInfo set CurrentStatus=1,OutHospitalDate=null \t\t\t"
                          "where ContentID='") +
           Quoted(contentID) + QLatin1Char('\'');
}

bool DeletePatient(Database& db, const QString& contentID, QString* error)
{
    if (!db.Transaction(error))
        return false;
    const bool deleted = db.Exec(QStringLiteral("delete from tblInPatientInfo") +
                                     WhereContentID(QStringLiteral("ContentID"), contentID),
                                 error) &&
                         db.Exec(QStringLiteral("delete from tblFebriloInfo") +
                                     WhereContentID(QStringLiteral("PatientID"), contentID),
                                 error);
    if (!deleted) {
        db.Rollback();
        return false;
    }
    return db.Commit(error);
}

} // namespace kelvaro
