#pragma once
// A fresh database with one registered patient whose chart the tests open.
#include "Engines.h"

#include "chart/_temperaturedata.h"

#include <QStringList>
#include <memory>

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

// A day with a value in every kind of field and `logEntries` log entries.
TemperatureData SampleDay(const QString& date, const QString& text, int logEntries = 1);

} // namespace kelvaro::test
