#include "forms/U_EditData.h"

#include "forms/EditDataFields.h"
#include "model/EntryValues.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QTabWidget>
#include <QTimeEdit>

namespace kelvaro
{

namespace
{

// A stored event time, or the slot's own hour when the text is not a time.
QTime EventTimeOr(const QString& stored, QTime slotTime)
{
    const QTime time = QTime::fromString(stored, QStringLiteral("HH:mm"));
    return time.isValid() ? time : slotTime;
}

} // namespace

void TF_EditData::SetSlotCaptions()
{
    for (int slot = 0; slot < SlotCount; ++slot)
        PageCtrl->setTabText(slot, SlotCaption(StartHour, slot));
}

// Enabled states stay as they are: options act only when a recorded day is shown.
void TF_EditData::ClearControls()
{
    for (int slot = 0; slot < SlotCount; ++slot) {
        SlotPage& page = pages_[size_t(slot)];
        for (QLineEdit* edit : page.edits)
            edit->clear();
        SetControlText(page.CBoxEvent, {});
        SetControlText(page.CBoxEventTwo, {});
        page.ChkHXJ->setChecked(false);
        const QTime slotTime(SlotHour(StartHour, slot), 0);
        page.DTEventTime->setTime(slotTime);
        page.DTEventTimeTwo->setTime(slotTime);
    }
    for (QWidget* control : daily_)
        SetControlText(control, {});
    PageCtrl->setCurrentIndex(0);
}

void TF_EditData::LoadDay()
{
    DayText = ShownDay();
    const auto found = chart_.Days.find(DayText);
    if (found == chart_.Days.end())
        return;
    for (int slot = 0; slot < SlotCount; ++slot)
        FillSlot(slot, found->second);
    FillDaily(found->second);
    ApplyOptions();
}

void TF_EditData::FillSlot(int slot, const TemperatureData& day)
{
    const auto i = size_t(slot);
    SlotPage& page = pages_[i];
    const auto& fields = SlotEditFields();
    for (size_t f = 0; f < fields.size(); ++f)
        page.edits[f]->setText((day.*fields[f].value)[i]);
    SetControlText(page.CBoxEvent, day.Event[i]);
    SetControlText(page.CBoxEventTwo, day.Event2[i]);
    const QTime slotTime(SlotHour(StartHour, slot), 0);
    page.DTEventTime->setTime(EventTimeOr(day.EventTime[i], slotTime));
    page.DTEventTimeTwo->setTime(EventTimeOr(day.EventTime2[i], slotTime));
    page.ChkHXJ->setChecked(VentilatorInUse(day.HXJ[i]));
}

void TF_EditData::FillDaily(const TemperatureData& day)
{
    const auto& fields = DailyEditFields();
    for (size_t f = 0; f < fields.size(); ++f)
        SetControlText(daily_[f], day.*fields[f].value);
}

// Items without an option keep their controls as they are.
void TF_EditData::ApplyOptions()
{
    for (const auto& [control, option] : governed_) {
        const auto found = options_.find(option);
        if (found != options_.end())
            control->setEnabled(found->second);
    }
}

} // namespace kelvaro
