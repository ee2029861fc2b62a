#include "StartupFixture.h"

#include "app/U_Main.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QMenu>
#include <QScrollArea>
#include <QSpinBox>
#include <QTabWidget>
#include <QTest>
#include <QToolBar>
#include <QToolButton>
#include <QTreeWidget>
#include <gtest/gtest.h>

using namespace kelvaro;

namespace
{

QStringList ItemNames(const QMenu* menu)
{
    QStringList names;
    for (const QAction* item : menu->actions())
        names << item->objectName();
    return names;
}

QStringList CaptionsOf(const TF_Main& window, const QWidget* control)
{
    QStringList captions;
    for (const QLabel* label : window.findChildren<QLabel*>())
        if (label->buddy() == control)
            captions << label->text();
    return captions;
}

} // namespace

TEST(MainWindow, OpensOnThePatientPageWithItsCaptionAndSize)
{
    TF_Main window;
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Kelvaro电子体温单"));
    const auto* pager = window.findChild<QTabWidget*>(QStringLiteral("Pager"));
    ASSERT_NE(pager, nullptr);
    ASSERT_EQ(pager->count(), 2);
    EXPECT_EQ(pager->tabText(0), QStringLiteral("病人管理"));
    EXPECT_EQ(pager->tabText(1), QStringLiteral("体温单"));
    EXPECT_EQ(pager->currentIndex(), 0);
    EXPECT_EQ(window.size(), QSize(1057, 716));
}

TEST(MainWindow, NeverGetsNarrowerThan1000Pixels)
{
    // Start-up finds no database here, and gives up without anyone at the screen.
    const test::ScriptedScreen screen;
    const auto window = screen.StartMainWindow();
    for (const int asked : {999, 900, 1}) {
        window->resize(asked, 700);
        QCoreApplication::processEvents();
        EXPECT_EQ(window->width(), 1000) << asked;
    }
    window->resize(1001, 700);
    QCoreApplication::processEvents();
    EXPECT_EQ(window->width(), 1001);
}

TEST(MainWindow, SharedValuesHoldTheirDefaultsBeforeStartUp)
{
    const TF_Main window;
    for (const QString* text :
         {&window.DatabaseKind, &window.HospitalName, &window.ServerName, &window.DBUser,
          &window.DBPassword, &window.DBName, &window.DateQuote, &window.DateTimeFormat,
          &window.DayStartSuffix, &window.DayEndSuffix, &window.PatientSource, &window.UserNumber,
          &window.UserSection, &window.PrinterName})
        EXPECT_TRUE(text->isEmpty());
    EXPECT_EQ(window.BackupMode, 1);
    EXPECT_FALSE(window.BackupHour.has_value());
    EXPECT_FALSE(window.BackupMinute.has_value());
    EXPECT_EQ(window.Offset, 0);
    EXPECT_EQ(window.TitleOffset, 0);
    EXPECT_EQ(window.StartHour, 2);
    EXPECT_EQ(window.PrintMode, 1);
    EXPECT_TRUE(window.ChartBitmap.isNull());
    EXPECT_EQ(window.ChartPrinter, nullptr);
    EXPECT_EQ(window.ChartData, nullptr);
    EXPECT_EQ(window.PatientStatus, 0);
    EXPECT_EQ(window.BackDBTime.interval(), 60000);
    EXPECT_FALSE(window.BackDBTime.isActive());
}

TEST(MainWindow, EveryNamedControlHasItsCaption)
{
    const TF_Main window;
    const struct {
        const char* name;
        QString text;
    } controls[] = {
        {"BtnBaseInfo", "基础信息"},
        {"BtnRefreshPatientList", "刷新病人"},
        {"BtnRefreshList", "添加病人"},
        {"BtnCheckAdvice", "修改病人"},
        {"BtnCalcPrice", "删除病人"},
        {"BtnOutHos", "病人出院"},
        {"BtnOutHosReturn", "出院回退"},
        {"BtnExit", "退出"},
        {"LbType", "入院日期："},
        {"BtnRefreshTree", "刷新病人"},
        {"BtnInputData", "录入体温数据"},
        {"AdvToolBarMenuButton1", "打印体温单"},
        {"BtnRefresh", "刷新"},
        {"ChkOffsetPreView", "偏移预览"},
        {"N1", "打印当前页"},
        {"N2", "打印全部页"},
        {"N3", "科室信息"},
        {"N4", "用户管理"},
        {"N10", "设置参数"},
        {"N14", "选项设置"},
        {"N9", "数据库配置"},
        {"N7", "数据库压缩"},
        {"N5", "数据库备份"},
        {"N8", "清除病人体温单数据"},
        {"N12", "导入体温单数据"},
        {"N13", "导出体温单数据"},
    };
    for (const auto& control : controls) {
        const QObject* found = window.findChild<QObject*>(QString::fromLatin1(control.name));
        ASSERT_NE(found, nullptr) << control.name;
        EXPECT_EQ(found->property("text").toString(), control.text) << control.name;
    }

    const struct {
        const char* name;
        QStringList captions;
    } captioned[] = {
        {"TxtName", {"姓名："}},         {"TxtSN", {"住院号："}},     {"CBoxStatus", {"状态："}},
        {"CBoxSectionList", {"科室："}}, {"DTBegin", {"入院日期："}}, {"DTEnd", {"至"}},
        {"TxtWeek", {"第", "周"}},       {"DTBegin2", {"日期："}},    {"DTEnd2", {"至"}},
    };
    for (const auto& control : captioned) {
        const auto* found = window.findChild<QWidget*>(QString::fromLatin1(control.name));
        ASSERT_NE(found, nullptr) << control.name;
        EXPECT_EQ(CaptionsOf(window, found), control.captions) << control.name;
    }
    for (const char* name : {"PatientList", "PatientTreeView", "ScrollBox", "Image"})
        EXPECT_NE(window.findChild<QWidget*>(QString::fromLatin1(name)), nullptr) << name;
}

TEST(MainWindow, MenusHoldTheirItemsInOrder)
{
    const TF_Main window;
    EXPECT_EQ(ItemNames(window.AdvPopupMenu1), QStringList({"N1", "N2", "NPreview", "NPdf"}));
    EXPECT_EQ(ItemNames(window.AdvPopupMenu2),
              QStringList({"N3", "N4", "N10", "N14", "N6", "N9", "N7", "N5"}));
    EXPECT_EQ(ItemNames(window.AdvPopupMenu3), QStringList({"N8", "N11", "N12", "N13"}));
    EXPECT_TRUE(window.N6->isSeparator());
    EXPECT_TRUE(window.N11->isSeparator());
    EXPECT_EQ(window.BtnBaseInfo->menu(), window.AdvPopupMenu2);
    EXPECT_EQ(window.AdvToolBarMenuButton1->menu(), window.AdvPopupMenu1);
}

TEST(MainWindow, ControlsStartInTheirInitialState)
{
    const TF_Main window;
    EXPECT_TRUE(window.BtnBaseInfo->isHidden());
    EXPECT_FALSE(window.N12->isVisible());
    EXPECT_FALSE(window.N13->isVisible());
    EXPECT_FALSE(window.BtnOutHosReturn->isEnabled());
    EXPECT_TRUE(window.BtnOutHos->isEnabled());
    EXPECT_EQ(window.BtnRefreshPatientList->toolTip(), QStringLiteral("刷新病人列表"));

    ASSERT_EQ(window.CBoxStatus->count(), 2);
    EXPECT_EQ(window.CBoxStatus->itemText(0), QStringLiteral("在院"));
    EXPECT_EQ(window.CBoxStatus->itemText(1), QStringLiteral("出院"));
    EXPECT_EQ(window.CBoxStatus->currentIndex(), 0);

    EXPECT_EQ(window.TxtWeek->minimum(), 1);
    EXPECT_EQ(window.TxtWeek->maximum(), 100);
    EXPECT_EQ(window.TxtWeek->value(), 1);
    EXPECT_FALSE(window.ChkOffsetPreView->isChecked());

    EXPECT_EQ(window.Image->size(), QSize(800, 1150));
    EXPECT_EQ(window.PatientTreeView->parentWidget()->width(), 224);
    const int widths[] = {220, 250, 280, 802};
    for (size_t i = 0; i < window.StatusPanels.size(); ++i)
        EXPECT_EQ(window.StatusPanels[i]->maximumWidth(), widths[i]) << i;
}

// Start-up shows the administrator's button; the tool bar must make room for it.
TEST(MainWindow, HiddenToolButtonAppearsWhenShown)
{
    // Start-up finds no database here, and gives up without anyone at the screen.
    const test::ScriptedScreen screen;
    const auto window = screen.StartMainWindow();
    QCoreApplication::processEvents();
    const int exitLeft = window->BtnExit->x();
    window->BtnBaseInfo->show();
    QCoreApplication::processEvents();
    EXPECT_TRUE(window->BtnBaseInfo->isVisible());
    EXPECT_GT(window->BtnExit->x(), exitLeft);
}

TEST(MainWindow, ExitButtonClosesTheWindow)
{
    // Start-up finds no database here, and gives up without anyone at the screen.
    const test::ScriptedScreen screen;
    const auto window = screen.StartMainWindow();
    QTest::mouseClick(window->BtnExit, Qt::LeftButton);
    EXPECT_FALSE(window->isVisible());
}
