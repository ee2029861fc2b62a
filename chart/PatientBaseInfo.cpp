#include "chart/PatientBaseInfo.h"

#include "chart/_temperaturedata.h"
#include "db/Patients.h"

#include <QDateTime>

namespace kelvaro
{

namespace
{

// A missing discharge date reads as the zero date of the original engine.
QString DateText(const Row& row, const QString& column)
{
    const QDateTime value = row.dateTime(column);
    const QDate date = value.isValid() ? value.date() : QDate(1899, 12, 30);
    return date.toString(QStringLiteral("yyyy-MM-dd"));
}

void SetError(QString* error, const QString& text)
{
    if (error)
        *error = text;
}

} // namespace

bool ReadPatientBaseInfo(Database& db, const QString& patientSource, _TemperatureData& chart,
                         QString* error)
{
    SetError(error, QString());
    std::optional<Row> found;
    if (!ReadPatientBase(db, patientSource, chart.PatientID, found, error) || !found)
        return false;
    const Row& row = *found;
    chart.SerialNumber = row.text(QStringLiteral("SerialNumber"));
    chart.Name = row.text(QStringLiteral("Name"));
    chart.Age = row.text(QStringLiteral("Age"));
    chart.AgeUnit = row.text(QStringLiteral("AgeUnit"));
    chart.Sex = row.text(QStringLiteral("Sex"));
    chart.InHospitalSection = row.text(QStringLiteral("InHospitalSection"));
    chart.BedNo = row.text(QStringLiteral("BedNo"));
    chart.InHospitalDate = DateText(row, QStringLiteral("InHospitalDate"));
    chart.OutHospitalDate = DateText(row, QStringLiteral("OutHospitalDate"));
    return true;
}

QString FindContentIdBySerial(Database& db, const QString& patientSource,
                              const QString& serialNumber, QString* error)
{
    QStringList ids;
    if (!ReadContentIdsBySerial(db, patientSource, serialNumber, ids, error))
        return QString();
    if (ids.size() == 1)
        return ids.front();
    SetError(error, ids.empty() ? QStringLiteral("没有住院号为 %1 的病人").arg(serialNumber)
                                : QStringLiteral("住院号 %1 属于多个病人").arg(serialNumber));
    return QString();
}

bool OpenPatientChart(Database& db, _TemperatureData& chart, const QString& patientId,
                      QString* error)
{
    chart.ResetPatient();
    chart.ClearDays();
    chart.PatientID = patientId;
    QString problem;
    if (!ReadPatientBaseInfo(db, DialectForKind(chart.DatabaseKind).PatientSource, chart,
                             &problem)) {
        SetError(error, problem.isEmpty() ? QStringLiteral("没有找到此病人") : problem);
        return false;
    }
    chart.LoadChart();
    return true;
}

} // namespace kelvaro
