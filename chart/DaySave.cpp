#include "chart/DaySave.h"

#include "chart/_temperaturedata.h"
#include "model/ChartDocument.h"

namespace kelvaro
{

namespace
{

// The day takes over the stored day's log and gets one more entry.
void PutDay(TemperatureDataMap& days, TemperatureData day, const QString& operatorName,
            const QDateTime& now)
{
    QString type = QStringLiteral("1");
    const auto stored = days.find(day.Date);
    if (stored != days.end()) {
        day.OperationLog = stored->second.OperationLog;
        type = QStringLiteral("2");
        days.erase(stored);
    }
    day.OperationLog.push_back(
        {type, now.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")), operatorName});
    days.emplace(day.Date, std::move(day));
}

} // namespace

ChartStoreResult SaveDay(Database& db, _TemperatureData& chart, TemperatureData day,
                         const QString& operatorName, const QDateTime& now)
{
    if (chart.PatientID.isEmpty())
        return {};
    const auto putDay = [&](const QByteArray& stored, QByteArray& next, QString& reason) {
        TemperatureDataMap days;
        if (!ReadBeforeSave(stored, chart, days, reason))
            return false;
        PutDay(days, day, operatorName, now);
        next = DocumentWriter(chart.PatientID, chart.SerialNumber, days);
        return true;
    };
    ChartStoreResult result = UpdateStoredChart(db, chart, putDay);
    if (result.stored)
        chart.SetDocumentText(result.document);
    return result;
}

} // namespace kelvaro
