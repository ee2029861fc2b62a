#pragma once
#include "chart/ChartRow.h"
#include "model/TemperatureData.h"

#include <QDateTime>
#include <QString>

namespace kelvaro
{

class Database;
class _TemperatureData;

// Stores one day of the chart: inside one transaction the stored document is
// read again, `day` replaces or joins the stored day of its date (keeping that
// day's log and appending one entry: "1" the first time, "2" afterwards) and
// the result is written. On success `chart` holds the new document and its
// days; otherwise it is left as it was. Days saved meanwhile by another
// workstation stay.
ChartStoreResult SaveDay(Database& db, _TemperatureData& chart, TemperatureData day,
                         const QString& operatorName,
                         const QDateTime& now = QDateTime::currentDateTime());

} // namespace kelvaro
