#include "forms/U_UserInfo.h"

#include "common/Scramble.h"
#include "common/ui/FieldFocus.h"
#include "common/ui/MessageBox.h"
#include "db/Sections.h"
#include "db/Users.h"
#include "forms/QueryGrid.h"

#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>

namespace kelvaro
{

TF_UserInfo::TF_UserInfo(Database& db, QWidget* parent) : QDialog(parent), db_(db)
{
    setObjectName(QStringLiteral("F_UserInfo"));
    setWindowTitle(QStringLiteral("用户信息"));
    BuildControls();
}

void TF_UserInfo::BuildControls()
{
    auto* group = new QGroupBox(QStringLiteral("用户信息"), this);
    UserList = new QueryGrid(group, "UserList",
                             {{QStringLiteral("Number"), QStringLiteral("账号"), 150},
                              {QStringLiteral("SectionName"), QStringLiteral("科室"), 120}});
    auto* groupLayout = new QVBoxLayout(group);
    groupLayout->addWidget(UserList);

    TxtNumber = new QLineEdit(this);
    TxtNumber->setObjectName(QStringLiteral("TxtNumber"));
    TxtPwd = new QLineEdit(this);
    TxtPwd->setObjectName(QStringLiteral("TxtPwd"));
    TxtPwd->setEchoMode(QLineEdit::Password);
    CBoxSectionList = new QComboBox(this);
    CBoxSectionList->setObjectName(QStringLiteral("CBoxSectionList"));
    auto* fields = new QFormLayout;
    fields->addRow(QStringLiteral("账号："), TxtNumber);
    fields->addRow(QStringLiteral("密码："), TxtPwd);
    fields->addRow(QStringLiteral("科室："), CBoxSectionList);

    BtnRegister = new QPushButton(QStringLiteral("新建(&N)"), this);
    BtnSave = new QPushButton(QStringLiteral("保存(&S)"), this);
    BtnDel = new QPushButton(QStringLiteral("删除(&D)"), this);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    for (auto [button, name] :
         {std::pair{BtnRegister, "BtnRegister"}, {BtnSave, "BtnSave"}, {BtnDel, "BtnDel"}}) {
        button->setObjectName(QString::fromLatin1(name));
        button->setAutoDefault(false); // Enter belongs to the fields' chain
        buttons->addWidget(button);
    }

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(group, 1);
    layout->addLayout(fields);
    layout->addLayout(buttons);
    resize(360, 460);

    new EnterChain({TxtNumber, TxtPwd, CBoxSectionList, BtnSave}, [this] { BtnSave->click(); });
    connect(UserList, &QueryGrid::doubleClicked, this, &TF_UserInfo::UserListDblClick);
    connect(BtnRegister, &QPushButton::clicked, this, &TF_UserInfo::BtnRegisterClick);
    connect(BtnSave, &QPushButton::clicked, this, &TF_UserInfo::BtnSaveClick);
    connect(BtnDel, &QPushButton::clicked, this, &TF_UserInfo::BtnDelClick);
}

void TF_UserInfo::showEvent(QShowEvent* event)
{
    if (!event->spontaneous())
        FormShow();
    QDialog::showEvent(event);
}

void TF_UserInfo::FormShow()
{
    FillSections();
    RefreshUserList();
}

// Without sections (or when they cannot be read) the list stays empty and
// accounts are saved with an empty section.
void TF_UserInfo::FillSections()
{
    CBoxSectionList->clear();
    QStringList names;
    if (!ReadSectionNames(db_, names))
        return;
    CBoxSectionList->addItems(names);
    CBoxSectionList->setCurrentIndex(0);
}

void TF_UserInfo::RefreshUserList()
{
    if (!UserList->Reopen(db_, UserListStatement()))
        MessageBox::Warning(this, QStringLiteral("刷新账号列表失败，请重试!"));
}

void TF_UserInfo::BtnRegisterClick()
{
    TxtNumber->clear();
    TxtPwd->clear();
    modify_ = false;
    serialNo_ = 0;
}

void TF_UserInfo::UserListDblClick()
{
    if (!UserList->currentIndex().isValid())
        return;
    modify_ = true;
    serialNo_ = UserList->CurrentValue(QStringLiteral("SerialNo")).toInt();
    TxtNumber->setText(UserList->CurrentValue(QStringLiteral("Number")).toString());
    TxtPwd->setText(Unscramble(UserList->CurrentValue(QStringLiteral("Pwd")).toString()));
    CBoxSectionList->setCurrentIndex(CBoxSectionList->findText(
        UserList->CurrentValue(QStringLiteral("SectionName")).toString()));
}

void TF_UserInfo::BtnSaveClick()
{
    for (QLineEdit* required : {TxtNumber, TxtPwd}) {
        if (required->text().isEmpty()) {
            required->setFocus();
            return;
        }
    }
    if (!modify_) {
        bool taken = false;
        if (!UserNumberTaken(db_, TxtNumber->text(), taken))
            return SaveFailed();
        if (taken) {
            MessageBox::Information(this, QStringLiteral("账号已经存在，不能重复添加，请确认!"));
            return;
        }
    }
    if (!SaveUser())
        return SaveFailed();
    RefreshUserList();
    BtnRegisterClick();
}

// The change mode never writes the number: an account keeps its number.
bool TF_UserInfo::SaveUser()
{
    const QString section = CBoxSectionList->currentText();
    if (modify_)
        return UpdateUser(db_, serialNo_, TxtPwd->text(), section);
    return AddUser(db_, TxtNumber->text(), TxtPwd->text(), section);
}

// Mode and edits stay as they were, so that the user can try again.
void TF_UserInfo::SaveFailed()
{
    MessageBox::Warning(this, modify_ ? QStringLiteral("修改账号信息失败，请重试!")
                                      : QStringLiteral("添加账号信息失败，请重试!"));
}

void TF_UserInfo::BtnDelClick()
{
    if (!UserList->HasRows() || !MessageBox::Question(this, QStringLiteral("确认删除选中的账号?")))
        return;
    if (!DeleteUser(db_, UserList->CurrentValue(QStringLiteral("SerialNo")).toInt())) {
        MessageBox::Warning(this, QStringLiteral("删除账号信息失败，请重试!"));
        return;
    }
    MessageBox::Information(this, QStringLiteral("删除账号信息成功!"));
    RefreshUserList();
}

} // namespace kelvaro
