#include "chart/ChartRow.h"

#include "chart/_temperaturedata.h"
#include "common/CodePage.h"
#include "common/ErrorLog.h"
#include "db/Database.h"
#include "db/Dialect.h"
#include "model/ChartDocument.h"
#include "model/DayNodes.h"
#include "model/_xmlutil.h"

#include <optional>

namespace kelvaro
{

namespace
{

const QString saveFailed = QStringLiteral("保存XML数据到数据库失败，错误原因：");

// The admission number a document of this patient names, when it names another.
std::optional<QString> OtherSerialNumber(const QByteArray& text, const QString& patientId,
                                         const QString& serialNumber)
{
    const DayNodes nodes(text); // the root's start tag is all that is parsed
    const xmlNode* root = nodes.Root();
    if (!root || GetAttributeText(root, "PatientID") != patientId)
        return std::nullopt;
    const QString stored = GetAttributeText(root, "SerialNumber");
    if (stored == serialNumber)
        return std::nullopt;
    return stored;
}

// Taking the row for update first makes a second save of the same chart wait
// for this one to end.
bool ClaimRow(Database& db, const _TemperatureData& chart, ChartRow& row, QString* error)
{
    if (!ClaimChartRows(db, chart.PatientID, error) ||
        !ReadChartRow(db, chart.PatientID, row, error))
        return false;
    if (row.found)
        return true;
    return MakeChartRow(db, chart.DatabaseKind, chart.PatientID, chart.Operator, error) &&
           ReadChartRow(db, chart.PatientID, row, error);
}

ChartStoreResult NotStored(Database& db, const QString& reason, bool refused)
{
    db.Rollback();
    LogError(saveFailed + reason);
    ChartStoreResult result;
    result.refused = refused;
    result.reason = reason;
    return result;
}

} // namespace

StoredDocument ReadStoredDocument(const QByteArray& text, const QString& patientId,
                                  const QString& serialNumber, TemperatureDataMap& days)
{
    const QByteArray document = text.isEmpty() ? EmptyDocument(patientId, serialNumber) : text;
    if (DocumentReader(document, patientId, serialNumber, days))
        return StoredDocument::Read;
    const std::optional<QString> older = OtherSerialNumber(document, patientId, serialNumber);
    if (older && DocumentReader(document, patientId, *older, days))
        return StoredDocument::CarriedOver;
    return StoredDocument::Rejected;
}

bool ReadBeforeSave(const QByteArray& stored, const _TemperatureData& chart,
                    TemperatureDataMap& days, QString& reason)
{
    if (ReadStoredDocument(stored, chart.PatientID, chart.SerialNumber, days) !=
        StoredDocument::Rejected)
        return true;
    reason = QStringLiteral("数据库中此病人的体温单数据无法读取，为免丢失已有数据，不能保存，"
                            "请先修复体温单数据!");
    return false;
}

ChartStoreResult UpdateStoredChart(Database& db, const _TemperatureData& chart,
                                   const ChartChange& change)
{
    QString error;
    ChartRow row;
    if (!db.Transaction(&error) || !ClaimRow(db, chart, row, &error))
        return NotStored(db, error, false);
    ChartStoreResult result;
    if (!change(row.document, result.document, error))
        return NotStored(db, error, true);
    if (!WriteChartRow(db, row, result.document, &error) || !db.Commit(&error))
        return NotStored(db, error, false);
    result.stored = true;
    return result;
}

} // namespace kelvaro
