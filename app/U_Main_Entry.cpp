#include "app/U_Main.h"

#include "common/ui/DialogRunner.h"
#include "common/ui/MessageBox.h"
#include "forms/U_EditData.h"
#include "forms/U_EditOption.h"

namespace kelvaro
{

namespace
{

// Runs the entry dialog on the open chart; the document it last stored, or
// the one it was given when nothing was stored.
QByteArray RunEntryDialog(TF_Main& main)
{
    const _TemperatureData& chart = *main.ChartData;
    TF_EditData dialog(main.DBConnect, &main);
    dialog.DayText = chart.InHospitalDate;
    dialog.Operator = main.UserNumber;
    dialog.PatientID = chart.PatientID;
    dialog.SerialNumber = chart.SerialNumber;
    dialog.DatabaseKind = main.DatabaseKind;
    dialog.DocumentText = chart.GetDocumentText();
    dialog.StartHour = main.StartHour;
    RunModal(dialog);
    return dialog.DocumentText;
}

} // namespace

void TF_Main::BtnInputDataClick()
{
    if (!ChartData || ChartData->PatientID.isEmpty()) {
        MessageBox::Information(this, QStringLiteral("没有发现病人信息，不能录入体温单数据!"));
        return;
    }
    if (PatientStatus == 2) {
        MessageBox::Information(this, QStringLiteral("出院病人的体温单信息不允许修改!"));
        return;
    }
    const QByteArray document = RunEntryDialog(*this);
    if (!document.isEmpty())
        ChartData->SetDocumentText(document);
    DrawCurrentWeek();
}

// The next opening of the entry dialog reads the new switches.
void TF_Main::N14Click()
{
    TF_EditOption dialog(DBConnect, this);
    RunModal(dialog);
}

} // namespace kelvaro
