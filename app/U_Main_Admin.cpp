#include "app/U_Main.h"

#include "common/ui/DialogRunner.h"
#include "common/ui/MessageBox.h"
#include "forms/U_SectionInfo.h"
#include "forms/U_SetParams.h"
#include "forms/U_UserInfo.h"

namespace kelvaro
{

void TF_Main::N3Click()
{
    TF_SectionInfo dialog(DBConnect, this);
    RunModal(dialog);
}

void TF_Main::N4Click()
{
    TF_UserInfo dialog(DBConnect, this);
    RunModal(dialog);
}

// The start hour, printer and offsets apply at once; the backup settings only
// at the next start. The week is redrawn either way.
void TF_Main::N10Click()
{
    {
        TF_SetParams dialog(DBConnect, this);
        if (RunModal(dialog) == QDialog::Accepted) {
            StartHour = dialog.StartHour();
            PrinterName = dialog.PrinterName();
            Offset = dialog.Offset();
            TitleOffset = dialog.TitleOffset();
            MessageBox::Information(this, QStringLiteral("参数配置成功，重新登录后生效!"));
        }
    }
    ReloadAndDrawChart();
}

} // namespace kelvaro
