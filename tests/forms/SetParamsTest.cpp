#include "forms/AdminDialogFixture.h"

#include "common/ConfigStore.h"
#include "common/ProgramHome.h"
#include "db/NewAppConfig.h"
#include "db/SystemParameters.h"
#include "forms/U_SetParams.h"

#include <QComboBox>
#include <QDateTimeEdit>
#include <QDir>
#include <QLineEdit>
#include <QPrinterInfo>
#include <QRadioButton>

#include <memory>

namespace kelvaro
{
namespace
{

const QString BackupPath = QStringLiteral("BaseConfig|BackupDB");
const QString MarginPath = QStringLiteral("BaseConfig|Margin");
const QString PrinterPath = QStringLiteral("BaseConfig|Printer");

// The dialog in a program home of its own with a new configuration file.
class SetParamsTest : public test::AdminDialogTest
{
protected:
    void SetUp() override
    {
        AdminDialogTest::SetUp();
        if (IsSkipped() || HasFatalFailure())
            return;
        ASSERT_TRUE(EnterProgramHome(QDir(fresh.dir()).filePath(QStringLiteral("home"))));
        ASSERT_TRUE(CreateAppConfig(QStringLiteral("Access"), QStringLiteral("测试医院")));
    }
    void TearDown() override
    {
        QDir::setCurrent(savedCwd_);
        AdminDialogTest::TearDown();
    }

    std::unique_ptr<TF_SetParams> Open()
    {
        auto dialog = std::make_unique<TF_SetParams>(db());
        dialog->show();
        return dialog;
    }

    QStringList StartTimeRows()
    {
        return Column(QStringLiteral(
            "select ItemValue from tblSystemConfig where ItemName='体温单起始时间'"));
    }

    static QLineEdit* Edit(const QWidget& d, const char* name) { return Find<QLineEdit>(d, name); }
    static QTimeEdit* Picker(const QWidget& d) { return Find<QTimeEdit>(d, "DTBackDBTime"); }
    static QComboBox* Printers(const QWidget& d) { return Find<QComboBox>(d, "CBoxPrinterList"); }

    static void Fill(const QWidget& d, const QString& start, const QString& offset,
                     const QString& titleOffset)
    {
        Edit(d, "TxtValue")->setText(start);
        Edit(d, "TxtOffset")->setText(offset);
        Edit(d, "TxtTitleOffset")->setText(titleOffset);
    }

private:
    const QString savedCwd_ = QDir::currentPath();
};

TEST_P(SetParamsTest, ShowsTheStoredValues)
{
    Exec(QStringLiteral(
        "insert into tblSystemConfig(ItemName,ItemValue) values('体温单起始时间','6')"));
    ASSERT_TRUE(WriteConfig(MarginPath, QStringLiteral("Offset"), QStringLiteral("12")));
    ASSERT_TRUE(WriteConfig(MarginPath, QStringLiteral("TitleOffset"), QString()));
    ASSERT_TRUE(
        WriteConfig(PrinterPath, QStringLiteral("Value"), QStringLiteral("已拆除的打印机")));
    auto dialog = Open();
    EXPECT_EQ(dialog->windowTitle(), QStringLiteral("设置参数"));
    EXPECT_FALSE(dialog->windowFlags() & Qt::WindowCloseButtonHint);
    EXPECT_EQ(Edit(*dialog, "TxtValue")->text(), QStringLiteral("6"));
    EXPECT_EQ(Edit(*dialog, "TxtOffset")->text(), QStringLiteral("12"));
    EXPECT_EQ(Edit(*dialog, "TxtTitleOffset")->text(), QStringLiteral("0"));

    QStringList items;
    for (int i = 0; i < Printers(*dialog)->count(); ++i)
        items << Printers(*dialog)->itemText(i);
    EXPECT_EQ(items, QStringList{QString()} + QPrinterInfo::availablePrinterNames());
    // No longer installed: nothing selected, and saving stores no printer.
    EXPECT_EQ(Printers(*dialog)->currentIndex(), -1);
    Click(*dialog, "BtnSave");
    EXPECT_EQ(ReadConfig(PrinterPath, QStringLiteral("Value")), QString());
    EXPECT_EQ(dialog->PrinterName(), QString());
}

// Needs an installed printer: scripts/services names the one it installs.
TEST_P(SetParamsTest, SelectsAnInstalledStoredPrinter)
{
    const QString printer = qEnvironmentVariable("KELVARO_TEST_PRINTER");
    if (printer.isEmpty() || !QPrinterInfo::availablePrinterNames().contains(printer))
        GTEST_SKIP() << "no test printer installed";
    ASSERT_TRUE(WriteConfig(PrinterPath, QStringLiteral("Value"), printer));
    auto dialog = Open();
    EXPECT_EQ(Printers(*dialog)->currentText(), printer);
    Click(*dialog, "BtnSave");
    EXPECT_EQ(ReadConfig(PrinterPath, QStringLiteral("Value")), printer);
    EXPECT_EQ(dialog->PrinterName(), printer);
}

TEST_P(SetParamsTest, ShowsTheBackupModeWithItsTime)
{
    const struct {
        const char* mode;
        const char* time;
        const char* checked;
        QTime shown; // invalid: the current time
    } cases[] = {
        {"1", "17:30", "RdoExitAppBackDB", QTime(17, 30)},
        {"2", "08:05", "RdoFixedTime", QTime(8, 5)},
        {"3", "23:59:00", "RdoPrompt", QTime(23, 59)},
        {"", "", "RdoExitAppBackDB", {}},
        {"x", "25:00", "RdoExitAppBackDB", {}},
        {"7", "9:15", "RdoPrompt", QTime(9, 15)},
    };
    for (const auto& c : cases) {
        ASSERT_TRUE(WriteConfig(BackupPath, QStringLiteral("BackupDBMode"), c.mode));
        ASSERT_TRUE(WriteConfig(BackupPath, QStringLiteral("AutoBackupTime"), c.time));
        const QTime before = QTime::currentTime();
        auto dialog = Open();
        const QString label = QStringLiteral("%1 %2").arg(c.mode, c.time);
        EXPECT_TRUE(Find<QRadioButton>(*dialog, c.checked)->isChecked()) << label.toStdString();
        EXPECT_EQ(Picker(*dialog)->isEnabled(), QByteArray(c.checked) == "RdoFixedTime")
            << label.toStdString();
        const QTime shown = Picker(*dialog)->time();
        if (c.shown.isValid())
            EXPECT_EQ(shown, c.shown) << label.toStdString();
        else
            EXPECT_LE(std::abs(before.secsTo(shown)), 120) << label.toStdString();
    }
}

TEST_P(SetParamsTest, ThePickerIsEnabledInMode2Only)
{
    auto dialog = Open();
    const std::pair<const char*, bool> clicks[] = {{"RdoFixedTime", true},
                                                   {"RdoPrompt", false},
                                                   {"RdoFixedTime", true},
                                                   {"RdoExitAppBackDB", false}};
    for (const auto& [radio, enabled] : clicks) {
        Click(*dialog, radio);
        EXPECT_EQ(Picker(*dialog)->isEnabled(), enabled) << radio;
    }
}

TEST_P(SetParamsTest, SavesTheStartTimeRowThenTheConfiguration)
{
    auto dialog = Open();
    EXPECT_EQ(dialog->StartHour(), 2);
    EXPECT_EQ(dialog->Offset(), 0);
    EXPECT_EQ(dialog->TitleOffset(), 0);

    Fill(*dialog, QStringLiteral("4"), QStringLiteral("-3"), QStringLiteral("7"));
    Click(*dialog, "RdoFixedTime");
    Picker(*dialog)->setTime(QTime(6, 45));
    Click(*dialog, "BtnSave");
    EXPECT_EQ(MessageBox::ShownTexts(), QStringList{QStringLiteral("参数保存成功!")});
    EXPECT_EQ(dialog->result(), QDialog::Accepted);
    EXPECT_EQ(StartTimeRows(), QStringList{QStringLiteral("4")});
    EXPECT_EQ(ReadSystemParameters(db()).StartHour, 4);
    EXPECT_EQ(dialog->StartHour(), 4);
    EXPECT_EQ(dialog->Offset(), -3);
    EXPECT_EQ(dialog->TitleOffset(), 7);
    const std::pair<QString, QString> stored[] = {{"BackupDBMode", "2"},
                                                  {"AutoBackupTime", "06:45"}};
    for (const auto& [key, value] : stored)
        EXPECT_EQ(ReadConfig(BackupPath, key), value) << key.toStdString();
    EXPECT_EQ(ReadConfig(MarginPath, QStringLiteral("Offset")), QStringLiteral("-3"));
    EXPECT_EQ(ReadConfig(MarginPath, QStringLiteral("TitleOffset")), QStringLiteral("7"));

    // Later saves update the one row; letters are stored as typed and hand back 2.
    auto again = Open();
    EXPECT_EQ(Edit(*again, "TxtValue")->text(), QStringLiteral("4"));
    Edit(*again, "TxtValue")->setText(QStringLiteral("x'y"));
    Click(*again, "RdoPrompt");
    Click(*again, "BtnSave");
    EXPECT_EQ(StartTimeRows(), QStringList{QStringLiteral("x'y")});
    EXPECT_EQ(again->StartHour(), 2);
    EXPECT_EQ(ReadConfig(BackupPath, QStringLiteral("BackupDBMode")), QStringLiteral("3"));
    EXPECT_EQ(ReadConfig(BackupPath, QStringLiteral("AutoBackupTime")), QStringLiteral("06:45"));
}

TEST_P(SetParamsTest, ANonIntegerOffsetFailsAfterTheEarlierValuesWereWritten)
{
    auto dialog = Open();
    Fill(*dialog, QStringLiteral("5"), QStringLiteral("1.5"), QStringLiteral("2"));
    Click(*dialog, "RdoPrompt");
    Picker(*dialog)->setTime(QTime(21, 10));
    Click(*dialog, "BtnSave");
    ASSERT_EQ(MessageBox::ShownTexts().size(), 1);
    EXPECT_TRUE(
        MessageBox::ShownTexts().front().startsWith(QStringLiteral("保存数据失败，错误原因：")))
        << MessageBox::ShownTexts().front().toStdString();
    EXPECT_TRUE(MessageBox::ShownTexts().front().contains(QStringLiteral("1.5")));
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_NE(dialog->result(), QDialog::Accepted);
    // Written before the failure ...
    EXPECT_EQ(StartTimeRows(), QStringList{QStringLiteral("5")});
    EXPECT_EQ(ReadConfig(BackupPath, QStringLiteral("BackupDBMode")), QStringLiteral("3"));
    EXPECT_EQ(ReadConfig(BackupPath, QStringLiteral("AutoBackupTime")), QStringLiteral("21:10"));
    // ... not after it, and nothing handed back.
    EXPECT_EQ(ReadConfig(MarginPath, QStringLiteral("Offset")), QStringLiteral("0"));
    EXPECT_EQ(ReadConfig(MarginPath, QStringLiteral("TitleOffset")), QStringLiteral("0"));
    EXPECT_EQ(dialog->StartHour(), 2);
    EXPECT_EQ(dialog->TitleOffset(), 0);

    // A title offset that is no integer fails the same way, after the overall offset.
    MessageBox::ClearShown();
    Fill(*dialog, QStringLiteral("5"), QStringLiteral("8"), QStringLiteral("abc"));
    Click(*dialog, "BtnSave");
    EXPECT_TRUE(
        MessageBox::ShownTexts().value(0).startsWith(QStringLiteral("保存数据失败，错误原因：")));
    EXPECT_EQ(ReadConfig(MarginPath, QStringLiteral("Offset")), QStringLiteral("8"));
    EXPECT_EQ(ReadConfig(MarginPath, QStringLiteral("TitleOffset")), QStringLiteral("0"));
}

TEST_P(SetParamsTest, DatabaseFailuresAreShownWithTheirReason)
{
    Exec(QStringLiteral("drop table tblSystemConfig"));
    auto dialog = Open();
    ASSERT_EQ(MessageBox::ShownTexts().size(), 1);
    EXPECT_TRUE(MessageBox::ShownTexts().front().startsWith(
        QStringLiteral("初始化系统参数失败，错误原因：")));
    EXPECT_GT(MessageBox::ShownTexts().front().size(),
              QStringLiteral("初始化系统参数失败，错误原因：").size());
    EXPECT_EQ(Edit(*dialog, "TxtOffset")->text(), QStringLiteral("0")); // the rest is filled

    MessageBox::ClearShown();
    Fill(*dialog, QStringLiteral("4"), QStringLiteral("1"), QStringLiteral("1"));
    Click(*dialog, "RdoPrompt");
    Click(*dialog, "BtnSave");
    EXPECT_TRUE(
        MessageBox::ShownTexts().value(0).startsWith(QStringLiteral("保存数据失败，错误原因：")));
    EXPECT_EQ(ReadConfig(BackupPath, QStringLiteral("BackupDBMode")), QStringLiteral("1"));
}

TEST_P(SetParamsTest, ExitClosesWithoutSaving)
{
    auto dialog = Open();
    Fill(*dialog, QStringLiteral("4"), QStringLiteral("1"), QStringLiteral("1"));
    Click(*dialog, "BtnExit");
    EXPECT_EQ(dialog->result(), QDialog::Rejected);
    EXPECT_TRUE(StartTimeRows().isEmpty());
    EXPECT_EQ(ReadConfig(MarginPath, QStringLiteral("Offset")), QStringLiteral("0"));
}

INSTANTIATE_TEST_SUITE_P(Engines, SetParamsTest, test::AllEngines(), test::EngineName);

TEST(SystemParameters, StartHourIsAWholeHourOfTheDay)
{
    const std::pair<const char*, int> cases[] = {{"0", 0},  {"4", 4}, {"23", 23}, {"24", 2},
                                                 {"-1", 2}, {"", 2},  {"abc", 2}, {"4.5", 2}};
    for (const auto& [text, hour] : cases)
        EXPECT_EQ(StartHourFromText(QString::fromLatin1(text)), hour) << text;
}

} // namespace
} // namespace kelvaro
