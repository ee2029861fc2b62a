#include "StartupFixture.h"

#include <QAction>
#include <QDir>
#include <QFile>

using namespace kelvaro;
using namespace kelvaro::test;

namespace
{

const QString BackupFailed = QStringLiteral("备份数据库失败，请重试!");

void Touch(const QString& path)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
}

} // namespace

class MaintenanceMenu : public StartupFixture
{
protected:
    void SetUp() override
    {
        StartupFixture::SetUp();
        if (IsSkipped() || HasFatalFailure())
            return;
        Start();
        ASSERT_TRUE(Ready());
        MessageBox::ClearShown();
    }
    QString Home(const QString& name) const { return ProgramHome() + QLatin1Char('/') + name; }
};

TEST_P(MaintenanceMenu, BackupReportsItsOutcome)
{
    window->N5->trigger();
    EXPECT_EQ(MessageBox::ShownTexts(), QStringList{QStringLiteral("备份数据库成功!")});
    EXPECT_EQ(QDir(Home(QStringLiteral("DBBak"))).entryList(QDir::Files).size(), 1);

    // A file where the backup folder belongs: the copy cannot even begin.
    MessageBox::ClearShown();
    ASSERT_TRUE(QDir(Home(QStringLiteral("DBBak"))).removeRecursively());
    Touch(Home(QStringLiteral("DBBak")));
    window->N5->trigger();
    ASSERT_EQ(MessageBox::ShownBoxes().size(), 1u);
    EXPECT_EQ(MessageBox::ShownBoxes().front().text, BackupFailed);
}

TEST_P(MaintenanceMenu, CompactionReportsItsOutcomeAndReconnects)
{
    window->N7->trigger();
    EXPECT_EQ(MessageBox::ShownTexts(), QStringList{QStringLiteral("压缩数据库成功!")});
    EXPECT_TRUE(window->DBConnect.IsOpen());
    Rows rows;
    EXPECT_TRUE(window->DBConnect.Select(QStringLiteral("select count(*) from tblUserInfo"), rows));

    // What an earlier failed compaction left behind blocks every later one.
    MessageBox::ClearShown();
    Touch(Home(QStringLiteral("Temp_QMDB.mdb")));
    window->N7->trigger();
    EXPECT_EQ(MessageBox::ShownTexts(), QStringList{QStringLiteral("压缩数据库失败，请重试!")});
    EXPECT_TRUE(window->DBConnect.IsOpen());
}

INSTANTIATE_TEST_SUITE_P(Local, MaintenanceMenu, testing::Values(Engine::SQLite), EngineName);
