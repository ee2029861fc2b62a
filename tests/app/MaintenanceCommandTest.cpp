#include "ShellFixture.h"

#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

namespace kelvaro
{
namespace
{

using test::Outcome;

class MaintenanceCommand : public test::ShellTest
{
protected:
    Outcome InHome(const QStringList& args)
    {
        return Type(QStringList{QStringLiteral("--home"), QStringLiteral("h")} + args);
    }
};

TEST_F(MaintenanceCommand, BackupPrintsTheCopyAndCompactReportsSuccess)
{
    ASSERT_NO_FATAL_FAILURE(InitHome());
    struct Case {
        QStringList args;
        const char* name; // pattern of the copy's name in h/DBBak
    };
    const Case cases[] = {
        {{QStringLiteral("backup")}, "QMDB\\d{14}\\.bak"},
        {{QStringLiteral("backup"), QStringLiteral("--mark")}, "QMDB\\d{14}\\[删除备份\\]\\.bak"},
    };
    for (const Case& c : cases) {
        const Outcome backup = InHome(c.args);
        ASSERT_EQ(backup.exitCode, 0) << backup;
        const QString file = backup.out.trimmed();
        EXPECT_EQ(QFileInfo(file).absolutePath(),
                  QFileInfo(Path(QStringLiteral("h/DBBak"))).absoluteFilePath());
        EXPECT_TRUE(QRegularExpression(QStringLiteral("^%1$").arg(QString::fromUtf8(c.name)))
                        .match(QFileInfo(file).fileName())
                        .hasMatch())
            << file.toStdString();
        QFile copy(file);
        ASSERT_TRUE(copy.open(QIODevice::ReadOnly)) << file.toStdString();
        EXPECT_TRUE(copy.read(16).startsWith("SQLite format 3"));
    }

    const Outcome compact = InHome({QStringLiteral("compact")});
    EXPECT_EQ(compact.exitCode, 0) << compact;
    EXPECT_TRUE(compact.err.contains(QStringLiteral("压缩数据库成功!"))) << compact;
    EXPECT_FALSE(QFileInfo::exists(Path(QStringLiteral("h/Temp_QMDB.mdb"))));
}

TEST_F(MaintenanceCommand, FailuresSayWhyAndExitNonZero)
{
    QDir(shell.path()).mkpath(QStringLiteral("h"));
    struct Case {
        QStringList args;
        const char* message;
    };
    const Case withoutDatabase[] = {
        {{QStringLiteral("backup")}, "备份数据库失败，请重试!"},
        {{QStringLiteral("compact")}, "连接数据库失败，请确认数据库文件存在!"},
        {{QStringLiteral("backup"), QStringLiteral("--now")}, "unexpected argument --now"},
        {{QStringLiteral("compact"), QStringLiteral("--fast")}, "unexpected argument --fast"},
    };
    for (const Case& c : withoutDatabase) {
        const Outcome outcome = InHome(c.args);
        EXPECT_EQ(outcome.exitCode, 1) << outcome;
        EXPECT_TRUE(outcome.err.contains(QString::fromUtf8(c.message))) << outcome;
        EXPECT_TRUE(outcome.out.isEmpty()) << outcome;
    }
    EXPECT_FALSE(QFileInfo::exists(Path(QStringLiteral("h/QMDB.mdb")))) << "no database is made";
}

TEST_F(MaintenanceCommand, ServerKindsAreLeftToTheServersTools)
{
    QDir(shell.path()).mkpath(QStringLiteral("h"));
    QFile config(Path(QStringLiteral("h/AppConfig.xml")));
    ASSERT_TRUE(config.open(QIODevice::WriteOnly));
    config.write("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<AppConfig><BaseConfig>"
                 "<Installation DatabaseKind=\"PostgreSQL\"/></BaseConfig></AppConfig>\n");
    config.close();
    for (const QString& command : {QStringLiteral("backup"), QStringLiteral("compact")}) {
        const Outcome outcome = InHome({command});
        EXPECT_EQ(outcome.exitCode, 1) << outcome;
        EXPECT_TRUE(outcome.err.contains(QStringLiteral("server's own tools"))) << outcome;
    }
    EXPECT_FALSE(QFileInfo::exists(Path(QStringLiteral("h/DBBak"))));
}

} // namespace
} // namespace kelvaro
