#pragma once
#include <QString>

namespace kelvaro
{

class Database;
class _TemperatureData;

// The outcome of an export or import, with the text to show either way.
struct ChartFileResult {
    bool ok = false;
    QString message;
};

// Opens the patient's chart in `chart` and writes its document to `path`,
// exactly its bytes. A patient without a chart row gets one first.
ChartFileResult ExportChartFile(Database& db, _TemperatureData& chart, const QString& patientId,
                                const QString& path);

// Opens the patient's chart in `chart`, reads `path` up to its first zero byte
// and, when the reader accepts the text for this patient and admission,
// stores its days as a new document in place of the stored chart (also one
// that could not be read: the import is how such a chart is repaired).
// Anything else changes nothing, and `chart` keeps showing the stored chart.
ChartFileResult ImportChartFile(Database& db, _TemperatureData& chart, const QString& patientId,
                                const QString& path);

} // namespace kelvaro
