#pragma once
#include "chart/TemperatureData.h"
#include <QByteArray>
#include <QString>

namespace kelvaro
{

class Database;

// The chart data manager: identity and header of the open patient, the chart
// document text and the days parsed from it.
class _TemperatureData
{
public:
    explicit _TemperatureData(Database* db);

    void ResetPatient();
    void ClearDays() { Days.clear(); }
    bool SetDocumentText(const QByteArray& text);
    const QByteArray& GetDocumentText() const { return DocumentText; }
    // Weeks spanned by the stored days; *ok is false when a key is not a date.
    int WeekCount(bool* ok = nullptr) const;

    // Database operations, in their own unit.
    bool LoadChart();
    bool SaveChart();
    bool ClearChart();

    TemperatureDataMap Days;
    QString Title; // scrambled; unscrambled only for drawing
    QString PatientID;
    QString SerialNumber;
    QString Operator;
    QString DatabaseKind;
    QString Name, Age, AgeUnit, Sex, BedNo, InHospitalSection;
    QString InHospitalDate; // "yyyy-MM-dd"
    QString OutHospitalDate;

private:
    Database* db_;
    QByteArray DocumentText;
};

} // namespace kelvaro
