#include "StartupFixture.h"

#include "app/DemoData.h"
#include "common/DaysBefore.h"
#include "common/Scramble.h"
#include "db/Dialect.h"
#include "db/NewAppConfig.h"

#include <QAction>
#include <QComboBox>
#include <QDateEdit>
#include <QFile>
#include <QLabel>
#include <QPrinterInfo>
#include <QTableView>
#include <QToolButton>
#include <QTreeWidget>

using namespace kelvaro;
using namespace kelvaro::test;

namespace
{
const QString NoConnection = QStringLiteral("连接数据库服务器失败，请重试!");
const QString NoPrinter = QStringLiteral("没有安装打印机，不能打印，请安装打印机!");

// What start-up may say besides its failures: the printer warning, on a
// machine without printers.
QStringList ExpectedWarnings()
{
    return QPrinterInfo::availablePrinterNames().isEmpty() ? QStringList{NoPrinter} : QStringList{};
}
} // namespace

class Startup : public StartupFixture
{
};

TEST_P(Startup, OnlyTheAdministratorGetsTheAdministratorsControls)
{
    struct Case {
        const char* code;
        const char* password;
        bool admin;
        const char* section;
    };
    for (const Case& c : {Case{"admin", "admin", true, ""}, Case{"ADMIN", "admin", true, ""},
                          Case{"nurse1", "123456", false, "内科"}}) {
        SCOPED_TRACE(c.code);
        Start(QString::fromUtf8(c.code), QString::fromUtf8(c.password));
        ASSERT_TRUE(Ready());
        EXPECT_EQ(window->UserNumber, QString::fromUtf8(c.code).toLower());
        EXPECT_EQ(window->UserSection, QString::fromUtf8(c.section));
        EXPECT_EQ(!window->BtnBaseInfo->isHidden(), c.admin);
        EXPECT_EQ(window->N12->isVisible(), c.admin);
        EXPECT_EQ(window->N13->isVisible(), c.admin);
        EXPECT_EQ(window->ChartData->Operator, window->UserNumber);
        EXPECT_EQ(MessageBox::ShownTexts(), ExpectedWarnings());
        MessageBox::ClearShown();
    }
}

// The database kind decides the database menu, the dialect and the status bar.
TEST_P(Startup, DatabaseKindChoosesMenusDialectAndStatusBar)
{
    Start();
    ASSERT_TRUE(Ready());
    const bool server = GetParam() != Engine::SQLite;
    EXPECT_EQ(window->DatabaseKind, fresh.kind());
    EXPECT_EQ(window->N9->isVisible(), server);
    EXPECT_EQ(window->N7->isVisible(), !server);
    EXPECT_EQ(window->N5->isVisible(), !server);
    EXPECT_EQ(window->SharedDialect().PatientSource, DialectForKind(fresh.kind()).PatientSource);
    EXPECT_EQ(window->DateQuote, server ? QStringLiteral("'") : QStringLiteral("#"));
    EXPECT_EQ(window->ChartData->DatabaseKind, fresh.kind());

    EXPECT_EQ(window->StatusPanels[0]->text(), server ? QStringLiteral("当前数据库：【网络版】")
                                                      : QStringLiteral("当前数据库：【单机版】"));
    EXPECT_FALSE(window->StatusPanels[1]->text().isEmpty());
    EXPECT_TRUE(window->StatusPanels[2]->text().isEmpty());
    if (server) {
        EXPECT_EQ(window->ServerName, fresh.settings().ServerName);
        EXPECT_EQ(window->StatusPanels[3]->text(),
                  QStringLiteral("服务器：【") + fresh.settings().ServerName +
                      QStringLiteral("】  数据库：【") + fresh.settings().DBName +
                      QStringLiteral("】"));
    } else {
        EXPECT_EQ(window->StatusPanels[3]->text(), QStringLiteral("本机数据库文件 QMDB.mdb"));
    }
}

TEST_P(Startup, TakesStartHourAndPrintModeFromTheDatabase)
{
    ASSERT_TRUE(db.Exec(QStringLiteral(
        "update tblSystemConfig set ItemValue='6' where ItemName='体温单起始时间'")));
    ASSERT_TRUE(db.Exec(QStringLiteral(
        "update tblSystemConfig set ItemValue='2' where ItemName='体温单打印模式'")));
    Start();
    ASSERT_TRUE(Ready());
    EXPECT_EQ(window->StartHour, 6);
    EXPECT_EQ(window->PrintMode, 2);
}

// The filters of the last month, the list and tree of its patients, and the
// chart manager with the hospital's title, ready for the first chart.
TEST_P(Startup, FillsFiltersListsAndTheChartManager)
{
    QString error;
    ASSERT_TRUE(AddDemoData(db, DialectForKind(fresh.kind()), QDateTime::currentDateTime(), &error))
        << error.toStdString();
    Start();
    ASSERT_TRUE(Ready());

    const QDate today = QDate::currentDate();
    const QDate monthAgo = DaysBefore(QDateTime::currentDateTime(), 30).date();
    EXPECT_EQ(window->DTBegin->date(), monthAgo);
    EXPECT_EQ(window->DTBegin2->date(), monthAgo);
    EXPECT_EQ(window->DTEnd->date(), today);
    EXPECT_EQ(window->DTEnd2->date(), today);

    ASSERT_NE(window->PatientList->model(), nullptr);
    EXPECT_GT(window->PatientList->model()->rowCount(), 0);
    EXPECT_GT(window->CBoxSectionList->count(), 1);
    EXPECT_GT(window->PatientTreeView->topLevelItemCount(), 0);

    EXPECT_EQ(Unscramble(window->ChartData->Title), QStringLiteral("测试医院体温单"));
    EXPECT_TRUE(window->ChartData->PatientID.isEmpty());
    EXPECT_NE(window->ChartPrinter, nullptr);
    EXPECT_FALSE(window->ChartBitmap.isNull());
}

TEST_P(Startup, CancelledLoginEndsTheProgramWithoutAWord)
{
    screen.onModal = [](QDialog&) { return int(QDialog::Rejected); };
    window = screen.StartMainWindow();
    EXPECT_TRUE(window->ProgramEnding);
    EXPECT_EQ(screen.modalDialogs, QStringList{QStringLiteral("F_Login")});
    EXPECT_TRUE(MessageBox::ShownTexts().isEmpty());
    EXPECT_EQ(window->ChartData, nullptr);
    EXPECT_TRUE(window->BtnBaseInfo->isHidden());
    // Ending the program asks nothing and backs nothing up.
    EXPECT_TRUE(window->close());
    EXPECT_TRUE(MessageBox::ShownTexts().isEmpty());
}

INSTANTIATE_TEST_SUITE_P(Engines, Startup, AllEngines(), EngineName);

class StartupSettings : public StartupFixture
{
};

// Missing or unreadable values fall back to their defaults; only the daily
// backup mode starts the minute timer.
TEST_P(StartupSettings, TakesBackupPrinterAndOffsetsFromTheConfiguration)
{
    struct Case {
        const char* mode;
        const char* time;
        const char* offset;
        int backupMode;
        std::optional<int> hour, minute;
        int offsetValue;
    };
    const Case cases[] = {
        {"1", "08:05", "12", 1, std::nullopt, std::nullopt, 12},
        {"", "", "", 1, std::nullopt, std::nullopt, 0},
        {"x", "", "-3", 1, std::nullopt, std::nullopt, -3},
        {"3", "", "x", 3, std::nullopt, std::nullopt, 0},
        {"2", "", "0", 2, 17, 30, 0},
        {"2", "08:05", "0", 2, 8, 5, 0},
        {"2", "8:5", "0", 2, 8, 5, 0},
        {"2", "25:99", "0", 2, 17, 30, 0},
    };
    const QString backup = QStringLiteral("BaseConfig|BackupDB");
    const QString margin = QStringLiteral("BaseConfig|Margin");
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.mode) + " " + c.time + " " + c.offset);
        Configure(backup, QStringLiteral("BackupDBMode"), QString::fromUtf8(c.mode));
        Configure(backup, QStringLiteral("AutoBackupTime"), QString::fromUtf8(c.time));
        Configure(margin, QStringLiteral("Offset"), QString::fromUtf8(c.offset));
        Configure(margin, QStringLiteral("TitleOffset"), QStringLiteral("7"));
        Configure(QStringLiteral("BaseConfig|Printer"), QStringLiteral("Value"),
                  QStringLiteral("病房打印机"));
        Start();
        ASSERT_TRUE(Ready());
        EXPECT_EQ(window->BackupMode, c.backupMode);
        EXPECT_EQ(window->BackupHour, c.hour);
        EXPECT_EQ(window->BackupMinute, c.minute);
        EXPECT_EQ(window->BackDBTime.isActive(), c.backupMode == 2);
        EXPECT_EQ(window->BackDBTime.interval(), 60000);
        EXPECT_EQ(window->Offset, c.offsetValue);
        EXPECT_EQ(window->TitleOffset, 7);
        EXPECT_EQ(window->PrinterName, QStringLiteral("病房打印机"));
    }
}

INSTANTIATE_TEST_SUITE_P(Local, StartupSettings, testing::Values(Engine::SQLite), EngineName);

// Without a database to reach, the settings dialog is the only way on;
// cancelling it ends the program before the login. A missing local file is
// named first, with the newest backup to restore it from.
TEST(StartupWithoutDatabase, CancelledSettingsDialogEndsTheProgram)
{
    struct Case {
        const char* what;
        const char* kind;
        QStringList backups; // in DBBak
        QString said;        // before the dialog, after "本地数据库文件 <file> 不存在。"
    };
    const Case cases[] = {
        {"missing QMDB.mdb",
         "Access",
         {},
         QStringLiteral("备份目录中也没有备份文件，请与系统管理员联系。")},
        {"missing QMDB.mdb with backups",
         "Access",
         {QStringLiteral("QMDB20261101080000.bak"),
          QStringLiteral("QMDB20261103080000[删除备份].bak"),
          QStringLiteral("QMDB20261102080000.bak")},
         QStringLiteral(
             "最新的备份文件是 %1/DBBak/QMDB20261103080000[删除备份].bak，可以把它复制为 "
             "%1/QMDB.mdb 后重新启动程序。")},
        {"server kind with nothing stored", "PostgreSQL", {}, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        QTemporaryDir home;
        const QString savedDirectory = QDir::currentPath();
        ASSERT_TRUE(EnterProgramHome(home.path()));
        ASSERT_TRUE(CreateAppConfig(QString::fromUtf8(c.kind), QStringLiteral("测试医院")));
        ASSERT_TRUE(QDir(home.path()).mkpath(QStringLiteral("DBBak")));
        for (const QString& backup : c.backups) {
            QFile file(home.filePath(QStringLiteral("DBBak/") + backup));
            ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        }
        {
            ScriptedScreen screen;
            QStringList saidBeforeDialog;
            screen.onModal = [&saidBeforeDialog](QDialog&) {
                saidBeforeDialog = MessageBox::ShownTexts();
                return int(QDialog::Rejected);
            };
            const auto window = screen.StartMainWindow();
            EXPECT_EQ(screen.modalDialogs, QStringList{QStringLiteral("TF_DBConfig")});
            const QStringList explained =
                c.said.isEmpty() ? QStringList{}
                                 : QStringList{QStringLiteral("本地数据库文件 %1/QMDB.mdb 不存在。")
                                                   .arg(QDir::toNativeSeparators(ProgramHome())) +
                                               c.said.arg(QDir::toNativeSeparators(ProgramHome()))};
            EXPECT_EQ(saidBeforeDialog, explained);
            EXPECT_EQ(MessageBox::ShownTexts(), explained + QStringList{NoConnection});
            EXPECT_TRUE(window->ProgramEnding);
            EXPECT_FALSE(window->DBConnect.IsOpen());
            EXPECT_EQ(window->ChartData, nullptr);
        }
        EXPECT_FALSE(QFile::exists(home.filePath(QStringLiteral("QMDB.mdb"))));
        QDir::setCurrent(savedDirectory);
    }
}
