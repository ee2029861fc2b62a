#include "app/U_Main.h"
#include "app/U_Main_Controls.h"

#include <QLabel>
#include <QMenu>
#include <QStatusBar>

namespace kelvaro
{

using namespace main_controls;

namespace
{
constexpr std::array kStatusPanelWidths{220, 250, 280, 802};
} // namespace

void TF_Main::BuildMenus()
{
    AdvPopupMenu1 = Named<QMenu>(this, "AdvPopupMenu1");
    N1 = AddItem(AdvPopupMenu1, "N1", QStringLiteral("打印当前页"));
    N2 = AddItem(AdvPopupMenu1, "N2", QStringLiteral("打印全部页"));
    BuildPrintMenuExtras();

    AdvPopupMenu2 = Named<QMenu>(this, "AdvPopupMenu2");
    N3 = AddItem(AdvPopupMenu2, "N3", QStringLiteral("科室信息"));
    N4 = AddItem(AdvPopupMenu2, "N4", QStringLiteral("用户管理"));
    N10 = AddItem(AdvPopupMenu2, "N10", QStringLiteral("设置参数"));
    N14 = AddItem(AdvPopupMenu2, "N14", QStringLiteral("选项设置"));
    N6 = AddSeparator(AdvPopupMenu2, "N6");
    N9 = AddItem(AdvPopupMenu2, "N9", QStringLiteral("数据库配置"));
    N7 = AddItem(AdvPopupMenu2, "N7", QStringLiteral("数据库压缩"));
    N5 = AddItem(AdvPopupMenu2, "N5", QStringLiteral("数据库备份"));

    AdvPopupMenu3 = Named<QMenu>(this, "AdvPopupMenu3");
    N8 = AddItem(AdvPopupMenu3, "N8", QStringLiteral("清除病人体温单数据"));
    N11 = AddSeparator(AdvPopupMenu3, "N11");
    N12 = AddItem(AdvPopupMenu3, "N12", QStringLiteral("导入体温单数据"));
    N13 = AddItem(AdvPopupMenu3, "N13", QStringLiteral("导出体温单数据"));
    // Import and export are the administrator's; start-up shows them.
    N12->setVisible(false);
    N13->setVisible(false);
}

void TF_Main::BuildStatusBar()
{
    for (size_t i = 0; i < StatusPanels.size(); ++i) {
        auto* panel = new QLabel(statusBar());
        panel->setObjectName(QStringLiteral("StatusPanel%1").arg(i));
        panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        panel->setFixedWidth(kStatusPanelWidths[i]);
        StatusPanels[i] = panel;
    }
    // A narrow window cuts the last panel rather than growing wider for it.
    QLabel* last = StatusPanels.back();
    last->setMinimumWidth(0);
    last->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    for (QLabel* panel : StatusPanels)
        statusBar()->addWidget(panel, panel == last ? 1 : 0);
}

} // namespace kelvaro
