#include "app/U_ModifyPwd.h"

#include "common/ui/FieldFocus.h"
#include "common/ui/MessageBox.h"
#include "db/Users.h"

#include <QLineEdit>
#include <QPushButton>

namespace kelvaro
{

namespace
{

const QString DatabaseFailure = QStringLiteral("访问数据库错误，修改密码失败，请重试!");

} // namespace

TF_ModifyPwd::TF_ModifyPwd(Database& db, QWidget* parent)
    : PictureDialog(QStringLiteral(":/ModifyPwdPic"), QSize(320, 230), parent), db_(db)
{
    setObjectName(QStringLiteral("F_ModifyPwd"));
    setWindowFlag(Qt::WindowStaysOnTopHint);
    BuildControls();
}

void TF_ModifyPwd::BuildControls()
{
    AddCaption(QStringLiteral("用户代码："), QRect(40, 56, 80, 24));
    TxtUserID = AddEdit("TxtUserID", QRect(120, 56, 160, 24));
    AddCaption(QStringLiteral("当前密码："), QRect(40, 88, 80, 24));
    TxtPwd = AddEdit("TxtPwd", QRect(120, 88, 160, 24), Echo::Stars);
    AddCaption(QStringLiteral("新 密 码："), QRect(40, 120, 80, 24));
    TxtNewPwd = AddEdit("TxtNewPwd", QRect(120, 120, 160, 24), Echo::Stars);
    AddCaption(QStringLiteral("确认密码："), QRect(40, 152, 80, 24));
    TxtNewPwd2 = AddEdit("TxtNewPwd2", QRect(120, 152, 160, 24), Echo::Stars);
    BtnModify = AddButton("BtnModify", QStringLiteral("确定(&O)"), QRect(70, 190, 80, 28));
    BtnExit = AddButton("BtnExit", QStringLiteral("取消(&C)"), QRect(170, 190, 80, 28));

    for (QLineEdit* edit : {TxtUserID, TxtPwd, TxtNewPwd, TxtNewPwd2})
        SelectTextOnFocus(edit);
    new EnterChain({TxtUserID, TxtPwd, TxtNewPwd, TxtNewPwd2}, [this] { BtnModifyClick(); });
    connect(BtnModify, &QPushButton::clicked, this, &TF_ModifyPwd::BtnModifyClick);
    connect(BtnExit, &QPushButton::clicked, this, &QDialog::reject);
}

void TF_ModifyPwd::showEvent(QShowEvent* event)
{
    PictureDialog::showEvent(event);
    raise();
    activateWindow();
}

// One message for the first field that is missing or wrong.
bool TF_ModifyPwd::CheckFields()
{
    const auto refuse = [this](const QString& text, QLineEdit* focus) {
        MessageBox::Information(this, text);
        focus->setFocus();
        return false;
    };
    if (TxtUserID->text().isEmpty())
        return refuse(QStringLiteral("请输入用户代码!"), TxtUserID);
    if (TxtPwd->text().isEmpty())
        return refuse(QStringLiteral("请输入用户当前使用密码!"), TxtPwd);
    if (TxtNewPwd->text().isEmpty())
        return refuse(QStringLiteral("请输入新密码!"), TxtNewPwd);
    if (TxtNewPwd2->text().isEmpty())
        return refuse(QStringLiteral("请输入确认密码!"), TxtNewPwd2);
    if (TxtNewPwd->text() != TxtNewPwd2->text())
        return refuse(QStringLiteral("用户两次输入新密码不相同，请重新输入!"), TxtNewPwd);
    return true;
}

void TF_ModifyPwd::BtnModifyClick()
{
    if (CheckFields() && MessageBox::Question(this, QStringLiteral("确认修改密码?")))
        StorePassword();
}

void TF_ModifyPwd::StorePassword()
{
    std::optional<int> serialNo;
    if (!FindAccount(db_, TxtUserID->text(), TxtPwd->text(), serialNo)) {
        MessageBox::Warning(this, DatabaseFailure);
        return;
    }
    if (!serialNo) {
        MessageBox::Information(this, QStringLiteral("没有用户代码或者用户密码错误!"));
        TxtUserID->setFocus();
        return;
    }
    if (!SetPassword(db_, *serialNo, TxtNewPwd->text())) {
        MessageBox::Warning(this, DatabaseFailure);
        TxtPwd->setFocus();
        return;
    }
    MessageBox::Information(this, QStringLiteral("密码修改成功，请使用新密码登录!"));
    accept();
}

} // namespace kelvaro
