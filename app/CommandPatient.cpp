#include "app/CommandPatient.h"

#include "chart/PatientBaseInfo.h"
#include "common/ProgramHome.h"
#include "db/Dialect.h"
#include "db/HomeDatabase.h"

namespace kelvaro
{

bool OpenCommandPatient(const QString& serialNumber, CommandPatient& target, QString& error)
{
    if (!OpenHomeDatabase(target.db, &error)) {
        error = QStringLiteral("连接数据库失败：") + error;
        return false;
    }
    target.chart.DatabaseKind = InstalledDatabaseKind();
    target.patientId = FindContentIdBySerial(
        target.db, DialectForKind(target.chart.DatabaseKind).PatientSource, serialNumber, &error);
    return !target.patientId.isEmpty();
}

} // namespace kelvaro
