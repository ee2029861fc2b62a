#include "Engines.h"

#include "db/Maintenance.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

using namespace kelvaro;
using kelvaro::test::FreshDatabase;

namespace
{

const QDateTime when(QDate(2015, 3, 7), QTime(8, 5, 9));

class MaintenanceTest : public testing::Test
{
protected:
    void SetUp() override
    {
        KELVARO_FRESH_DATABASE_OR_SKIP(fresh, Engine::SQLite, FreshDatabase::Contents::Schema);
    }

    void AddSections(int count)
    {
        ASSERT_TRUE(fresh.db().Transaction());
        for (int i = 0; i < count; ++i)
            ASSERT_TRUE(fresh.db().Exec(
                QStringLiteral("insert into tblSectionInfo(SectionName) values('内科%1')").arg(i)));
        ASSERT_TRUE(fresh.db().Commit());
    }

    static int SectionCount(Database& db)
    {
        Rows rows;
        EXPECT_TRUE(db.Select(QStringLiteral("select count(*) as n from tblSectionInfo"), rows));
        return rows.empty() ? -1 : rows.front().text(QStringLiteral("n")).toInt();
    }

    static int SectionsIn(const QString& file)
    {
        ConnectionSettings settings;
        settings.file = file;
        Database copy;
        EXPECT_TRUE(copy.Open(settings));
        return SectionCount(copy);
    }

    QString home() const { return fresh.dir(); }

    FreshDatabase fresh;
};

TEST_F(MaintenanceTest, BackupNamesCarryTheSecondAndTheMarker)
{
    EXPECT_EQ(BackupFileName(QStringLiteral("/h"), false, when),
              QStringLiteral("/h/DBBak/QMDB20150307080509.bak"));
    EXPECT_EQ(BackupFileName(QStringLiteral("/h"), true, when),
              QStringLiteral("/h/DBBak/QMDB20150307080509[删除备份].bak"));
}

TEST_F(MaintenanceTest, BackupOfTheSameSecondReplacesTheEarlierFile)
{
    AddSections(1);
    ASSERT_EQ(BackupDatabase(false, home(), when).outcome, BackupOutcome::Copied);
    AddSections(2);
    const BackupResult later = BackupDatabase(false, home(), when);
    ASSERT_EQ(later.outcome, BackupOutcome::Copied) << later.error.toStdString();
    const BackupResult marked = BackupDatabase(true, home(), when);
    ASSERT_EQ(marked.outcome, BackupOutcome::Copied);

    const QStringList files = QDir(home() + QStringLiteral("/DBBak")).entryList(QDir::Files);
    EXPECT_EQ(files, QStringList({QStringLiteral("QMDB20150307080509.bak"),
                                  QStringLiteral("QMDB20150307080509[删除备份].bak")}));
    EXPECT_EQ(SectionsIn(later.file), 3);
    EXPECT_EQ(SectionsIn(marked.file), 3);
}

TEST_F(MaintenanceTest, BackupWithoutDatabaseFileFailsInTheCopy)
{
    fresh.db().Close();
    ASSERT_TRUE(QFile::remove(fresh.settings().file));
    EXPECT_EQ(BackupDatabase(false, home(), when).outcome, BackupOutcome::CopyFailed);
    EXPECT_FALSE(QFileInfo::exists(fresh.settings().file)) << "no empty database is made";
}

TEST_F(MaintenanceTest, CompactionReplacesTheFileAndReconnects)
{
    AddSections(2000);
    ASSERT_TRUE(fresh.db().Exec(QStringLiteral("delete from tblSectionInfo where SerialNo > 5")));
    const qint64 before = QFileInfo(fresh.settings().file).size();

    const CompactResult result = CompactAccessFile(fresh.db(), home());
    EXPECT_TRUE(result.compacted) << result.error.toStdString();
    EXPECT_TRUE(result.reconnected);
    EXPECT_LT(QFileInfo(fresh.settings().file).size(), before);
    EXPECT_FALSE(QFileInfo::exists(home() + QStringLiteral("/Temp_QMDB.mdb")));
    EXPECT_EQ(SectionCount(fresh.db()), 5);
}

// The file is compacted in place: an old temporary file of the earlier way is
// neither in the way nor touched.
TEST_F(MaintenanceTest, LeftoverTemporaryFileIsLeftAlone)
{
    AddSections(3);
    QFile leftover(home() + QStringLiteral("/Temp_QMDB.mdb"));
    ASSERT_TRUE(leftover.open(QIODevice::WriteOnly)); // even an empty one
    leftover.close();

    for (int attempt = 0; attempt < 2; ++attempt) {
        const CompactResult result = CompactAccessFile(fresh.db(), home());
        EXPECT_TRUE(result.compacted) << result.error.toStdString();
        EXPECT_TRUE(result.reconnected);
        EXPECT_EQ(SectionCount(fresh.db()), 3);
    }
    EXPECT_EQ(QFileInfo(leftover).size(), 0);
}

// A second program on the same file saves days before, between and after
// compactions of the first: every day stays and every save works.
TEST_F(MaintenanceTest, CompactionWhileAnotherProgramSavesLosesNothing)
{
    Database other;
    QString error;
    ASSERT_TRUE(other.Open(fresh.settings(), &error)) << error.toStdString();
    const auto save = [&other](int day) {
        QString why;
        const bool saved =
            other.Transaction(&why) &&
            other.Exec(
                QStringLiteral("insert into tblSectionInfo(SectionName) values('日%1')").arg(day),
                &why) &&
            other.Commit(&why);
        EXPECT_TRUE(saved) << "day " << day << ": " << why.toStdString();
    };
    AddSections(500);
    ASSERT_TRUE(fresh.db().Exec(QStringLiteral("delete from tblSectionInfo")));
    for (int day = 1; day <= 3; ++day) {
        save(day);
        const CompactResult result = CompactAccessFile(fresh.db(), home());
        EXPECT_TRUE(result.compacted) << result.error.toStdString();
        save(10 + day);
    }
    EXPECT_EQ(SectionCount(other), 6);
    EXPECT_EQ(SectionCount(fresh.db()), 6);
    EXPECT_EQ(SectionsIn(fresh.settings().file), 6);
}

TEST(TimedBackup, IsDueOnceWhenTheBackupMinuteBegins)
{
    const BackupSchedule daily{2, 17, 30};
    const QDate day(2015, 3, 7);
    const auto at = [day](int h, int m, int s, int dayOffset = 0) {
        return QDateTime(day.addDays(dayOffset), QTime(h, m, s));
    };
    struct Case {
        const char* name;
        BackupSchedule schedule;
        QDateTime previous, now;
        bool due;
    };
    const Case cases[] = {
        {"tick in the minute", daily, at(17, 29, 30), at(17, 30, 30), true},
        {"next tick in the same minute", daily, at(17, 30, 0), at(17, 30, 59), false},
        {"late tick after the minute", daily, at(17, 29, 59), at(17, 31, 1), true},
        {"before the minute", daily, at(17, 28, 30), at(17, 29, 30), false},
        {"after the minute", daily, at(17, 30, 30), at(17, 31, 30), false},
        {"midnight", BackupSchedule{2, 0, 0}, at(23, 59, 30, -1), at(0, 0, 30), true},
        {"other mode", BackupSchedule{1, 17, 30}, at(17, 29, 30), at(17, 30, 30), false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(TimedBackupDue(c.schedule, c.previous, c.now), c.due) << c.name;
}

} // namespace
