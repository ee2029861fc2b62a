#include "StartupFixture.h"

#include <QDir>

using namespace kelvaro;
using namespace kelvaro::test;

namespace
{

const QString ExitQuestion = QStringLiteral("确认退出程序?");
const QString BackupQuestion = QStringLiteral("是否备份数据库?");
const QString BackupDone = QStringLiteral("备份数据库成功!");

int BackupCount()
{
    return int(QDir(ProgramHome() + QStringLiteral("/DBBak"))
                   .entryList({QStringLiteral("QMDB*.bak")}, QDir::Files)
                   .size());
}

} // namespace

// The local file, so that there is something for the exit to back up.
class Closing : public StartupFixture
{
};

TEST_P(Closing, AsksFirstAndBacksTheLocalFileUpByTheBackupMode)
{
    struct Case {
        const char* what;
        const char* kind;
        const char* mode;
        std::deque<bool> answers;
        bool closes;
        QStringList shown; // after the exit question
        int backups;
    };
    const Case cases[] = {
        {"No keeps the window", "Access", "1", {false}, false, {}, 0},
        {"mode 1 backs up silently", "Access", "1", {true}, true, {}, 1},
        {"an unreadable mode is mode 1", "Access", "x", {true}, true, {}, 1},
        {"mode 2 leaves it to the timer", "Access", "2", {true}, true, {}, 0},
        {"mode 3 asks, Yes", "Access", "3", {true, true}, true, {BackupQuestion, BackupDone}, 1},
        {"mode 3 asks, No", "Access", "3", {true, false}, true, {BackupQuestion}, 0},
        {"another local kind never backs up", "Local", "1", {true}, true, {}, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        QDir(ProgramHome() + QStringLiteral("/DBBak")).removeRecursively();
        Configure(QStringLiteral("BaseConfig|Installation"), QStringLiteral("DatabaseKind"),
                  QString::fromUtf8(c.kind));
        Configure(QStringLiteral("BaseConfig|BackupDB"), QStringLiteral("BackupDBMode"),
                  QString::fromUtf8(c.mode));
        Start();
        ASSERT_TRUE(Ready());
        MessageBox::ClearShown();
        MessageBox::SetNextAnswers(c.answers);

        EXPECT_EQ(window->close(), c.closes);
        EXPECT_EQ(window->isVisible(), !c.closes);
        EXPECT_EQ(MessageBox::ShownTexts(), QStringList{ExitQuestion} + c.shown);
        EXPECT_EQ(BackupCount(), c.backups);
        EXPECT_EQ(window->ChartData == nullptr, c.closes);
    }
}

INSTANTIATE_TEST_SUITE_P(Local, Closing, testing::Values(Engine::SQLite), EngineName);
