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

    // The database file gone from under the window: neither compacted nor reopened.
    MessageBox::ClearShown();
    ASSERT_TRUE(QFile::remove(Home(QStringLiteral("QMDB.mdb"))));
    window->N7->trigger();
    EXPECT_EQ(MessageBox::ShownTexts().mid(0, 2),
              QStringList({QStringLiteral("压缩数据库失败，请重试!"),
                           QStringLiteral("连接数据库失败，请确认数据库文件存在!")}));
    EXPECT_FALSE(window->DBConnect.IsOpen());
    EXPECT_FALSE(QFile::exists(Home(QStringLiteral("QMDB.mdb")))) << "no empty database is made";
}

INSTANTIATE_TEST_SUITE_P(Local, MaintenanceMenu, testing::Values(Engine::SQLite), EngineName);
