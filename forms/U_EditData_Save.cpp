#include "forms/U_EditData.h"

#include "chart/DaySave.h"
#include "common/ui/MessageBox.h"
#include "forms/EditDataFields.h"
#include "model/EntryValues.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QTimeEdit>

namespace kelvaro
{

namespace
{

// What the nurse is told when the day was not stored.
QString SaveFailedText(const ChartStoreResult& result)
{
    if (result.refused)
        return result.reason;
    if (result.reason.isEmpty())
        return QStringLiteral("没有发现病人信息，不能保存体温单数据!");
    return QStringLiteral("保存体温单数据失败，错误原因：") + result.reason;
}

} // namespace

// The day is stored as shown, disabled controls included; the values the
// dialog has no control for (CHTS, SG, NL) are not kept.
TemperatureData TF_EditData::DayFromControls(const QString& key) const
{
    TemperatureData day;
    day.Date = key;
    const auto& slotFields = SlotEditFields();
    for (size_t i = 0; i < size_t(SlotCount); ++i) {
        const SlotPage& page = pages_[i];
        for (size_t f = 0; f < slotFields.size(); ++f)
            (day.*slotFields[f].value)[i] = page.edits[f]->text();
        day.Event[i] = ControlText(page.CBoxEvent);
        day.Event2[i] = ControlText(page.CBoxEventTwo);
        day.EventTime[i] = page.DTEventTime->time().toString(QStringLiteral("HH:mm"));
        day.EventTime2[i] = page.DTEventTimeTwo->time().toString(QStringLiteral("HH:mm"));
        day.HXJ[i] = VentilatorText(page.ChkHXJ->isChecked());
    }
    const auto& dailyFields = DailyEditFields();
    for (size_t f = 0; f < dailyFields.size(); ++f)
        day.*dailyFields[f].value = ControlText(daily_[f]);
    return day;
}

// Only the shown day is replaced in the stored chart; its log keeps the
// earlier entries and gains one ("1" the first time, "2" afterwards).
void TF_EditData::BtnSaveClick()
{
    const QString key = ShownDay();
    DayText = key;
    chart_.PatientID = PatientID;
    chart_.SerialNumber = SerialNumber;
    const ChartStoreResult result = SaveDay(db_, chart_, DayFromControls(key), Operator);
    if (!result.stored) {
        MessageBox::Warning(this, SaveFailedText(result));
        return;
    }
    DocumentText = chart_.GetDocumentText();
    MessageBox::Information(this, QStringLiteral("保存成功!"));
}

} // namespace kelvaro
