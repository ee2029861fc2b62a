#include "chart/ChartRow.h"
#include "chart/_temperaturedata.h"
#include "common/ErrorLog.h"
#include "db/Charts.h"
#include "db/Database.h"
#include "model/ChartDocument.h"

namespace kelvaro
{

bool _TemperatureData::LoadChart()
{
    DocumentText.clear();
    if (PatientID.isEmpty())
        return false;
    std::optional<QByteArray> found;
    QString error;
    if (!ReadChartDocument(*db_, PatientID, found, &error) ||
        (!found && !MakeChartRow(*db_, DatabaseKind, PatientID, Operator, &error))) {
        LogError(QStringLiteral("从数据库读取XML数据失败，错误原因：") + error);
        return false;
    }
    const QByteArray stored = found.value_or(QByteArray());
    DocumentText = stored.isEmpty() ? EmptyDocument(PatientID, SerialNumber) : stored;
    switch (ReadStoredDocument(stored, PatientID, SerialNumber, Days)) {
    case StoredDocument::Read:
        return true;
    case StoredDocument::CarriedOver:
        // Shown, exported and saved under the patient's current admission number.
        DocumentText = DocumentWriter(PatientID, SerialNumber, Days);
        return true;
    case StoredDocument::Rejected:
        break;
    }
    return false;
}

// Replaces the whole stored document by the days held here, unless the stored
// one cannot be read: its days would be lost.
bool _TemperatureData::SaveChart()
{
    if (PatientID.isEmpty())
        return false;
    const QByteArray text = DocumentWriter(PatientID, SerialNumber, Days);
    const auto keepUnreadable = [this, &text](const QByteArray& stored, QByteArray& next,
                                              QString& reason) {
        TemperatureDataMap storedDays;
        next = text;
        return ReadBeforeSave(stored, *this, storedDays, reason);
    };
    if (!UpdateStoredChart(*db_, *this, keepUnreadable).stored)
        return false;
    DocumentText = text;
    return true;
}

bool _TemperatureData::ClearChart()
{
    if (PatientID.isEmpty())
        return false;
    QString error;
    const bool cleared = db_->Transaction(&error) && DeleteChartRows(*db_, PatientID, &error) &&
                         MakeChartRow(*db_, DatabaseKind, PatientID, Operator, &error) &&
                         db_->Commit(&error);
    if (!cleared) {
        db_->Rollback();
        LogError(QStringLiteral("清除数据库中病人体温单数据失败，错误原因：") + error);
        return false;
    }
    DocumentText = EmptyDocument(PatientID, SerialNumber);
    return true;
}

} // namespace kelvaro
