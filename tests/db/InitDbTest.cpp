#include "Engines.h"

#include "common/ConfigStore.h"
#include "common/Scramble.h"
#include "db/InitDb.h"
#include "db/StoredConnection.h"

#include <QDir>

using namespace kelvaro;
using kelvaro::test::FreshDatabase;

class InitDbTest : public testing::TestWithParam<Engine>
{
protected:
    void SetUp() override
    {
        KELVARO_FRESH_DATABASE_OR_SKIP(fresh, GetParam(), FreshDatabase::Contents::Nothing);
        QDir::setCurrent(fresh.dir());
        options.databaseKind = fresh.kind();
        options.server = fresh.settings();
        options.adminPassword = QStringLiteral("s3cret pw");
    }
    void TearDown() override { QDir::setCurrent(previousDirectory); }

    int Count(Database& db, const QString& sql)
    {
        Rows rows;
        QString error;
        EXPECT_TRUE(db.Select(sql, rows, &error)) << error.toStdString();
        return rows.empty() ? -1 : rows[0].at(0).toInt();
    }

    const QString previousDirectory = QDir::currentPath();
    FreshDatabase fresh;
    InitDbOptions options;
};

TEST_P(InitDbTest, NewDatabaseLetsAdminLogInInCapitals)
{
    Database db;
    QString error;
    ASSERT_TRUE(InitDatabase(options, db, &error)) << error.toStdString();

    // The login's own statement, with the code typed in capitals.
    Rows rows;
    ASSERT_TRUE(db.Select(QStringLiteral("select [Number],[SectionName] from tblUserInfo where "
                                         "Pwd='") +
                              Quoted(Scramble(options.adminPassword)) +
                              QStringLiteral("' and [Number]='ADMIN'"),
                          rows, &error))
        << error.toStdString();
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0].text(QStringLiteral("Number")), QStringLiteral("admin"));
    EXPECT_EQ(rows[0].text(QStringLiteral("SectionName")), QString());

    ASSERT_TRUE(db.Select(QStringLiteral("select ItemValue from [tblSystemConfig] where "
                                         "ItemName='体温单起始时间' or ItemName='体温单打印模式' "
                                         "order by ItemName desc"),
                          rows, &error));
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0].text(QStringLiteral("ItemValue")), QStringLiteral("2"));
    EXPECT_EQ(rows[1].text(QStringLiteral("ItemValue")), QStringLiteral("1"));

    ASSERT_TRUE(db.Select(QStringLiteral("select * from tblOptionConfig"), rows, &error));
    ASSERT_EQ(rows.size(), size_t(EntryOptionNames().size()));
    for (const Row& row : rows) {
        EXPECT_TRUE(EntryOptionNames().contains(row.text(QStringLiteral("ItemName"))));
        EXPECT_TRUE(row.value(QStringLiteral("AllowEdit")).toBool());
    }
    EXPECT_EQ(Count(db, QStringLiteral("select count(*) from tblDBVersion")), 1);
    EXPECT_EQ(Count(db, QStringLiteral("select count(*) from tblInPatientInfo")), 0);
}

TEST_P(InitDbTest, WritesTheConfigurationOfTheInstallation)
{
    Database db;
    QString error;
    ASSERT_TRUE(InitDatabase(options, db, &error)) << error.toStdString();
    EXPECT_EQ(ReadConfig(QStringLiteral("BaseConfig|Installation"), QStringLiteral("DatabaseKind")),
              fresh.kind());
    EXPECT_EQ(ReadConfig(QStringLiteral("BaseConfig|BackupDB"), QStringLiteral("AutoBackupTime")),
              QStringLiteral("17:30"));
    EXPECT_EQ(ReadConfig(QStringLiteral("BaseConfig|Margin"), QStringLiteral("TitleOffset")),
              QStringLiteral("0"));
    ConnectionSettings stored;
    LoadStoredConnection(stored);
    if (GetParam() == Engine::SQLite) {
        EXPECT_EQ(stored.ServerName, QString());
    } else {
        EXPECT_EQ(stored.ServerName, fresh.settings().ServerName);
        EXPECT_EQ(stored.DBPassword, fresh.settings().DBPassword);
        EXPECT_EQ(stored.DBName, fresh.settings().DBName);
    }
}

TEST_P(InitDbTest, RefusesAnExistingDatabaseAndLeavesItAlone)
{
    QString error;
    {
        Database first;
        ASSERT_TRUE(InitDatabase(options, first, &error)) << error.toStdString();
        ASSERT_TRUE(first.Exec(QStringLiteral("insert into tblSectionInfo (SectionName) "
                                              "values ('内科')"),
                               &error));
    }
    InitDbOptions again = options;
    again.adminPassword = QStringLiteral("other");
    Database second;
    EXPECT_FALSE(InitDatabase(again, second, &error));
    EXPECT_TRUE(error.contains(QStringLiteral("never overwrites"))) << error.toStdString();

    Database check;
    ASSERT_TRUE(check.Open(fresh.settings(), &error)) << error.toStdString();
    EXPECT_EQ(Count(check, QStringLiteral("select count(*) from tblSectionInfo")), 1);
    EXPECT_EQ(Count(check, QStringLiteral("select count(*) from tblUserInfo where Pwd='") +
                               Quoted(Scramble(options.adminPassword)) + u'\''),
              1);
}

INSTANTIATE_TEST_SUITE_P(Engines, InitDbTest, kelvaro::test::AllEngines(),
                         kelvaro::test::EngineName);
