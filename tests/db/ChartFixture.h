#pragma once
// A fresh database with one registered patient whose chart the tests open.
#include "Engines.h"

#include "chart/_temperaturedata.h"

#include <QStringList>
#include <memory>
#include <vector>

namespace kelvaro::test
{

class ChartTest : public testing::TestWithParam<Engine>
{
protected:
    void SetUp() override;

    // Registers a patient and returns its ContentID.
    QString Register(const QString& serialNumber, const QString& name = QStringLiteral("张三"));
    // A manager on `db` for the patient, its header loaded.
    std::unique_ptr<_TemperatureData> Open(Database& db, const QString& patientId);
    Rows ChartRows(const QString& patientId);
    void Store(const QString& patientId, const QByteArray& document);
    // Every line the error log holds.
    QStringList LogLines() const;

    FreshDatabase fresh;
    QString patient; // registered by SetUp, admission number "A100"
};

// Chart files beyond any stay, for the patient registered as "A100": one of
// 36,601 days (about a megabyte), and one whose chart of one day is followed
// by zero bytes up to 64 MiB and one byte (a sparse file, cheap to make).
struct OversizedChartFile {
    const char* what;
    QString path;
    QString reason; // what the refusal says
};
std::vector<OversizedChartFile> OversizedChartFiles(const QString& dir, const QString& patientId);

// A day with a value in every kind of field and `logEntries` log entries.
TemperatureData SampleDay(const QString& date, const QString& text, int logEntries = 1);

} // namespace kelvaro::test
