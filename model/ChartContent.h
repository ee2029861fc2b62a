#pragma once
#include "model/TemperatureData.h"

#include <QByteArray>
#include <QString>

namespace kelvaro
{

// What one chart shows: the open patient's identity and header, the chart
// document text and the days parsed from it.
class ChartContent
{
public:
    ChartContent();

    void ResetPatient();
    void ClearDays() { Days.clear(); }
    bool SetDocumentText(const QByteArray& text);
    const QByteArray& GetDocumentText() const { return DocumentText; }
    // Weeks spanned by the stored days; *ok is false when a key is not a date.
    int WeekCount(bool* ok = nullptr) const;

    TemperatureDataMap Days;
    QString Title; // scrambled; unscrambled only for drawing
    QString PatientID;
    QString SerialNumber;
    QString Name, Age, AgeUnit, Sex, BedNo, InHospitalSection;
    QString InHospitalDate; // "yyyy-MM-dd"
    QString OutHospitalDate;

protected:
    // The stored chart's own text, which the persistence above replaces.
    QByteArray DocumentText;
};

} // namespace kelvaro
