#include "forms/U_EditData.h"

#include "common/ui/MessageBox.h"

#include <QDateEdit>
#include <QShowEvent>
#include <QSignalBlocker>

namespace kelvaro
{

void TF_EditData::showEvent(QShowEvent* event)
{
    if (!event->spontaneous())
        FormShow();
    QDialog::showEvent(event);
}

void TF_EditData::FormShow()
{
    SetSlotCaptions();
    LoadOptions();
    ClearControls();
    chart_.PatientID = PatientID;
    chart_.SerialNumber = SerialNumber;
    chart_.Operator = Operator;
    chart_.DatabaseKind = DatabaseKind;
    chart_.SetDocumentText(DocumentText);
    const QDate day = QDate::fromString(DayText, QStringLiteral("yyyy-MM-dd"));
    {
        const QSignalBlocker quiet(DTDate); // the day is loaded once, below
        DTDate->setDate(day.isValid() ? day : QDate::currentDate());
    }
    LoadDay();
}

// Options that cannot be read leave their controls enabled.
void TF_EditData::LoadOptions()
{
    QString error;
    if (!ReadOptions(db_, options_, &error))
        MessageBox::Warning(this, QStringLiteral("初始化配置信息失败，错误原因：") + error);
}

void TF_EditData::DTDateChange()
{
    ClearControls();
    LoadDay();
}

QString TF_EditData::ShownDay() const
{
    return DTDate->date().toString(QStringLiteral("yyyy-MM-dd"));
}

} // namespace kelvaro
