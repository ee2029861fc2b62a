#include "model/ChartContent.h"

#include "model/ChartDocument.h"

#include <QDate>

namespace kelvaro
{

namespace
{
const QString dateFormat = QStringLiteral("yyyy-MM-dd");
}

ChartContent::ChartContent()
{
    ResetPatient();
}

void ChartContent::ResetPatient()
{
    PatientID.clear();
    SerialNumber.clear();
    Name.clear();
    Age.clear();
    AgeUnit.clear();
    Sex.clear();
    BedNo.clear();
    InHospitalSection.clear();
    OutHospitalDate.clear();
    InHospitalDate = QDate::currentDate().toString(dateFormat);
}

bool ChartContent::SetDocumentText(const QByteArray& text)
{
    DocumentText = text;
    return DocumentReader(DocumentText, PatientID, SerialNumber, Days);
}

int ChartContent::WeekCount(bool* ok) const
{
    if (ok)
        *ok = true;
    if (Days.empty())
        return 0;
    const QString& firstKey = Days.begin()->first;
    const QString& lastKey = Days.rbegin()->first;
    if (firstKey.isEmpty() || lastKey.isEmpty())
        return 0;
    const QDate first = QDate::fromString(firstKey, dateFormat);
    const QDate last = QDate::fromString(lastKey, dateFormat);
    if (!first.isValid() || !last.isValid()) {
        if (ok)
            *ok = false;
        return 0;
    }
    const qint64 days = first.daysTo(last) + 1;
    return int((days + 6) / 7);
}

} // namespace kelvaro
