#include "app/U_Main.h"
#include "app/U_Main_Controls.h"

#include <QBoxLayout>
#include <QComboBox>
#include <QDateEdit>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QTableView>
#include <QToolButton>

namespace kelvaro
{

using namespace main_controls;

QWidget* TF_Main::BuildPatientPage()
{
    auto* page = new QWidget(this);
    auto* column = new QVBoxLayout(page);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    BuildPatientToolBar(page, column);
    BuildPatientFilters(page, column);

    PatientList = Named<QTableView>(page, "PatientList");
    PatientList->setEditTriggers(QAbstractItemView::NoEditTriggers);
    PatientList->setSelectionBehavior(QAbstractItemView::SelectRows);
    PatientList->setSelectionMode(QAbstractItemView::SingleSelection);
    PatientList->horizontalHeader()->setDefaultAlignment(Qt::AlignCenter);
    column->addWidget(PatientList, 1);
    return page;
}

void TF_Main::BuildPatientToolBar(QWidget* page, QBoxLayout* column)
{
    QHBoxLayout* row = AddToolStrip(page, column, "ToolBar");
    BtnBaseInfo = AddMenuButton(row, "BtnBaseInfo", QStringLiteral("基础信息"),
                                StandardIcon(QStyle::SP_FileDialogDetailedView), AdvPopupMenu2);
    BtnBaseInfo->setVisible(false); // the administrator's; start-up shows it
    BtnRefreshPatientList = AddToolButton(row, "BtnRefreshPatientList", QStringLiteral("刷新病人"),
                                          StandardIcon(QStyle::SP_BrowserReload));
    BtnRefreshPatientList->setToolTip(QStringLiteral("刷新病人列表"));
    AddSeparator(row);
    BtnRefreshList = AddToolButton(row, "BtnRefreshList", QStringLiteral("添加病人"),
                                   StandardIcon(QStyle::SP_FileDialogNewFolder));
    BtnCheckAdvice = AddToolButton(row, "BtnCheckAdvice", QStringLiteral("修改病人"),
                                   StandardIcon(QStyle::SP_FileDialogContentsView));
    BtnCalcPrice = AddToolButton(row, "BtnCalcPrice", QStringLiteral("删除病人"),
                                 StandardIcon(QStyle::SP_TrashIcon));
    AddSeparator(row);
    BtnOutHos = AddToolButton(row, "BtnOutHos", QStringLiteral("病人出院"),
                              StandardIcon(QStyle::SP_DialogApplyButton));
    BtnOutHosReturn = AddToolButton(row, "BtnOutHosReturn", QStringLiteral("出院回退"),
                                    StandardIcon(QStyle::SP_ArrowBack));
    BtnOutHosReturn->setEnabled(false);
    AddSeparator(row);
    BtnExit = AddToolButton(row, "BtnExit", QStringLiteral("退出"),
                            StandardIcon(QStyle::SP_DialogCloseButton));
    row->addStretch();
}

void TF_Main::BuildPatientFilters(QWidget* page, QBoxLayout* column)
{
    auto* panel = Named<QFrame>(page, "FilterPanel");
    auto* row = new QHBoxLayout(panel);
    row->setContentsMargins(8, 6, 8, 6);

    TxtName = AddLabelled(row, QStringLiteral("姓名："), Named<QLineEdit>(panel, "TxtName"));
    TxtSN = AddLabelled(row, QStringLiteral("住院号："), Named<QLineEdit>(panel, "TxtSN"));
    CBoxStatus = AddLabelled(row, QStringLiteral("状态："), Named<QComboBox>(panel, "CBoxStatus"));
    CBoxStatus->addItems({QStringLiteral("在院"), QStringLiteral("出院")});
    CBoxStatus->setCurrentIndex(0);
    CBoxSectionList =
        AddLabelled(row, QStringLiteral("科室："), Named<QComboBox>(panel, "CBoxSectionList"));
    CBoxSectionList->setMinimumContentsLength(8);
    CBoxSectionList->setSizeAdjustPolicy(QComboBox::AdjustToContents); // long names whole

    DTBegin = NewDatePicker(panel, "DTBegin");
    LbType = AddLabel(row, QStringLiteral("入院日期："), DTBegin);
    LbType->setObjectName(QStringLiteral("LbType"));
    // Its later texts are shorter; the row does not move when they replace it.
    LbType->setMinimumWidth(LbType->sizeHint().width());
    row->addWidget(DTBegin);
    DTEnd = AddLabelled(row, QStringLiteral("至"), NewDatePicker(panel, "DTEnd"));
    row->addStretch();
    column->addWidget(panel);
}

} // namespace kelvaro
