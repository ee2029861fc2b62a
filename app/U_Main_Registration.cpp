#include "app/U_Main.h"

#include "common/ui/DialogRunner.h"
#include "common/ui/MessageBox.h"
#include "forms/U_AddPatient.h"

namespace kelvaro
{

// One dialog per opening; the list is refreshed however it was closed.
void TF_Main::OpenRegistration(const std::optional<QString>& contentID)
{
    {
        TF_AddPatientInfo dialog(DBConnect, SharedDialect(), this);
        if (contentID)
            dialog.SetModify(*contentID);
        RunModal(dialog);
    }
    RefreshPatientList();
}

void TF_Main::BtnRefreshListClick()
{
    OpenRegistration(std::nullopt);
}

void TF_Main::BtnCheckAdviceClick()
{
    const std::optional<QString> contentID = SelectedContentID();
    if (!contentID) {
        MessageBox::Information(this, QStringLiteral("请选择病人!"));
        return;
    }
    OpenRegistration(contentID);
}

} // namespace kelvaro
