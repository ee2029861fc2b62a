#include "app/U_Main.h"

#include "common/ui/MessageBox.h"
#include "db/Maintenance.h"
#include "db/PatientLifecycle.h"

namespace kelvaro
{

std::optional<QString> TF_Main::ConfirmSelectedPatient(const QString& question)
{
    const std::optional<QString> contentID = SelectedContentID();
    if (!contentID) {
        MessageBox::Information(this, QStringLiteral("请选择病人!"));
        return std::nullopt;
    }
    if (!MessageBox::Question(this, question))
        return std::nullopt;
    return contentID;
}

void TF_Main::BtnOutHosClick()
{
    const std::optional<QString> contentID =
        ConfirmSelectedPatient(QStringLiteral("确认病人出院，出院后体温单将不能修改?"));
    if (!contentID)
        return;
    if (!DBConnect.Exec(
            DischargeStatement(SharedDialect(), *contentID, QDateTime::currentDateTime()))) {
        MessageBox::Information(this, QStringLiteral("病人出院失败，请重试!"));
        return;
    }
    RefreshPatientList();
    MessageBox::Information(this, QStringLiteral("办理病人出院成功!"));
}

void TF_Main::BtnOutHosReturnClick()
{
    const std::optional<QString> contentID =
        ConfirmSelectedPatient(QStringLiteral("确认将病人出院回退?"));
    if (!contentID)
        return;
    if (!DBConnect.Exec(UndoDischargeStatement(*contentID))) {
        MessageBox::Information(this, QStringLiteral("病人出院回退失败，请重试!"));
        return;
    }
    MessageBox::Information(this, QStringLiteral("病人出院回退成功!"));
    RefreshPatientList();
}

// A marked backup comes first, so that a deleted patient can still be found
// in a copy; a failed copy does not stop the deletion.
void TF_Main::BtnCalcPriceClick()
{
    const std::optional<QString> contentID = ConfirmSelectedPatient(
        QStringLiteral("确认删除选择的病人，删除后病人数据将不能恢复，请确认?"));
    if (!contentID)
        return;
    if (BackupDatabase(true).outcome == BackupOutcome::Failed)
        MessageBox::Information(this, QStringLiteral("备份数据库失败，请重试!"));
    if (!DeletePatient(DBConnect, *contentID)) {
        MessageBox::Information(this, QStringLiteral("删除病人失败，请重试!"));
        return;
    }
    RefreshPatientList();
}

} // namespace kelvaro
