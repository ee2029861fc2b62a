#include "forms/U_SectionInfo.h"

#include "common/ui/MessageBox.h"
#include "db/Sections.h"
#include "forms/QueryGrid.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>

namespace kelvaro
{

TF_SectionInfo::TF_SectionInfo(Database& db, QWidget* parent) : QDialog(parent), db_(db)
{
    setObjectName(QStringLiteral("F_SectionInfo"));
    setWindowTitle(QStringLiteral("科室信息"));
    BuildControls();
}

void TF_SectionInfo::BuildControls()
{
    auto* group = new QGroupBox(QStringLiteral("科室信息"), this);
    SectionList = new QueryGrid(group, "SectionList",
                                {{QStringLiteral("SectionName"), QStringLiteral("科室名称"), 150}});
    auto* groupLayout = new QVBoxLayout(group);
    groupLayout->addWidget(SectionList);

    TxtSectionName = new QLineEdit(this);
    TxtSectionName->setObjectName(QStringLiteral("TxtSectionName"));
    auto* nameRow = new QHBoxLayout;
    nameRow->addWidget(new QLabel(QStringLiteral("科室名称："), this));
    nameRow->addWidget(TxtSectionName, 1);

    BtnRegister = new QPushButton(QStringLiteral("新建(&N)"), this);
    BtnSave = new QPushButton(QStringLiteral("保存(&S)"), this);
    BtnDel = new QPushButton(QStringLiteral("删除(&D)"), this);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    for (auto [button, name] :
         {std::pair{BtnRegister, "BtnRegister"}, {BtnSave, "BtnSave"}, {BtnDel, "BtnDel"}}) {
        button->setObjectName(QString::fromLatin1(name));
        button->setAutoDefault(false);
        buttons->addWidget(button);
    }

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(group, 1);
    layout->addLayout(nameRow);
    layout->addLayout(buttons);
    resize(320, 400);

    connect(SectionList, &QueryGrid::doubleClicked, this, &TF_SectionInfo::SectionListDblClick);
    connect(BtnRegister, &QPushButton::clicked, this, &TF_SectionInfo::BtnRegisterClick);
    connect(BtnSave, &QPushButton::clicked, this, &TF_SectionInfo::BtnSaveClick);
    connect(BtnDel, &QPushButton::clicked, this, &TF_SectionInfo::BtnDelClick);
}

void TF_SectionInfo::showEvent(QShowEvent* event)
{
    if (!event->spontaneous())
        FormShow();
    QDialog::showEvent(event);
}

void TF_SectionInfo::FormShow()
{
    RefreshSectionList();
}

void TF_SectionInfo::RefreshSectionList()
{
    if (!SectionList->Reopen(db_, SectionListStatement()))
        MessageBox::Warning(this, QStringLiteral("刷新科室列表失败，请重试!"));
}

void TF_SectionInfo::BtnRegisterClick()
{
    TxtSectionName->clear();
    modify_ = false;
    serialNo_ = 0;
}

void TF_SectionInfo::SectionListDblClick()
{
    if (!SectionList->currentIndex().isValid())
        return;
    modify_ = true;
    serialNo_ = SectionList->CurrentValue(QStringLiteral("SerialNo")).toInt();
    TxtSectionName->setText(SectionList->CurrentValue(QStringLiteral("SectionName")).toString());
}

void TF_SectionInfo::BtnSaveClick()
{
    const QString name = TxtSectionName->text();
    if (name.isEmpty()) {
        TxtSectionName->setFocus();
        return;
    }
    if (!modify_) {
        bool taken = false;
        if (!SectionNameTaken(db_, name, taken))
            return SaveFailed();
        if (taken) {
            MessageBox::Information(this, QStringLiteral("科室名称已经存在请确认!"));
            return;
        }
    }
    if (!(modify_ ? RenameSection(db_, serialNo_, name) : AddSection(db_, name)))
        return SaveFailed();
    RefreshSectionList();
    BtnRegisterClick();
}

// Mode and edit stay as they were, so that the user can try again.
void TF_SectionInfo::SaveFailed()
{
    MessageBox::Warning(this, modify_ ? QStringLiteral("修改科室信息失败，请重试!")
                                      : QStringLiteral("添加科室信息失败，请重试!"));
}

void TF_SectionInfo::BtnDelClick()
{
    if (!SectionList->HasRows() ||
        !MessageBox::Question(this, QStringLiteral("确认删除选中的科室?")))
        return;
    if (!DeleteSection(db_, SectionList->CurrentValue(QStringLiteral("SerialNo")).toInt())) {
        MessageBox::Warning(this, QStringLiteral("删除科室信息失败，请重试!"));
        return;
    }
    MessageBox::Information(this, QStringLiteral("删除科室信息成功!"));
    RefreshSectionList();
}

} // namespace kelvaro
