#include "Engines.h"

#include "db/Connection.h"

#include <QFileInfo>
#include <QSqlQueryModel>

using namespace kelvaro;
using kelvaro::test::FreshDatabase;

namespace
{

ConnectionSettings Server(const char* server, const char* user, const char* password,
                          const char* name)
{
    ConnectionSettings s;
    s.ServerName = QString::fromUtf8(server);
    s.DBUser = QString::fromUtf8(user);
    s.DBPassword = QString::fromUtf8(password);
    s.DBName = QString::fromUtf8(name);
    return s;
}

void ExpectValues(const ConnectionSettings& got, const ConnectionSettings& want)
{
    EXPECT_EQ(got.ServerName, want.ServerName);
    EXPECT_EQ(got.DBUser, want.DBUser);
    EXPECT_EQ(got.DBPassword, want.DBPassword);
    EXPECT_EQ(got.DBName, want.DBName);
}

} // namespace

TEST(ConnectionText, TextsAreWrittenExactly)
{
    const ConnectionSettings s = Server("db1", "sa", "p w", "QM");
    EXPECT_EQ(StoredConnectionText(s),
              QStringLiteral("Provider=SQLOLEDB.1;Persist Security Info=False;Password='p w';"
                             "User ID=sa;Initial Catalog=QM;Data Source=db1;"
                             "Application Name=Quillfen"));
    EXPECT_EQ(TestConnectionText(Server("db1", "sa", "", "QM")),
              QStringLiteral("Provider=SQLOLEDB.1;Persist Security Info=False;Password='';"
                             "User ID=sa;Initial Catalog=QM;Data Source=db1;"));
    EXPECT_EQ(AccessConnectionText(QStringLiteral("/opt/kelvaro")),
              QStringLiteral("Provider=Microsoft.Jet.OLEDB.4.0;Data Source=/opt/kelvaro/QMDB.mdb;"
                             "Persist Security Info=False"));
}

TEST(ConnectionText, ParseGivesBackWhatWasWritten)
{
    const ConnectionSettings cases[] = {
        Server("db1", "sa", "two words ", "QM"),
        Server("10.0.0.5:5433", "护士", "", "体温单"),
        Server("/run/postgresql", "u", "ID=x Catalog=y", "d"),
    };
    for (const ConnectionSettings& want : cases) {
        for (const QString& text : {StoredConnectionText(want), TestConnectionText(want)}) {
            ConnectionSettings got = Server("old", "old", "old", "old");
            ParseConnectionText(text, got);
            ExpectValues(got, want);
        }
    }
}

TEST(ConnectionText, ParseOfAnEmptyTextEmptiesAllFour)
{
    ConnectionSettings got = Server("old", "old", "old", "old");
    ParseConnectionText(QString(), got);
    ExpectValues(got, Server("", "", "", ""));
    // A password item without the quote is skipped, as the stored form always quotes it.
    ParseConnectionText(QStringLiteral("Password=bare;User ID=u"), got);
    ExpectValues(got, Server("", "u", "", ""));
}

TEST(ConnectionText, ServerNameMayCarryAPort)
{
    struct Case {
        const char* name;
        const char* host;
        int port;
    } cases[] = {{"db1", "db1", -1},
                 {"db1:5433", "db1", 5433},
                 {"/tmp/sock:54329", "/tmp/sock", 54329},
                 {"db1:x", "db1:x", -1},
                 {"db1:70000", "db1:70000", -1}};
    for (const Case& c : cases) {
        const ServerAddress address = SplitServerName(QString::fromLatin1(c.name));
        EXPECT_EQ(address.host, QString::fromLatin1(c.host)) << c.name;
        EXPECT_EQ(address.port, c.port) << c.name;
    }
}

TEST(ConnectionText, OdbcValuesAreBracedSoSemicolonsStayInside)
{
    EXPECT_EQ(OdbcConnectionString(Server("sql1:1500", "sa", "a;b}c", "QM")),
              QStringLiteral("DRIVER={FreeTDS};SERVER={sql1};PORT=1500;DATABASE={QM};UID={sa};"
                             "PWD={a;b}}c};TDS_Version=7.4;ClientCharset=UTF-8;"));
}

TEST(ConnectionKind, KindChoosesTheEngine)
{
    EXPECT_EQ(EngineForKind(QStringLiteral("PostgreSQL")), Engine::PostgreSQL);
    EXPECT_EQ(EngineForKind(QStringLiteral("SQLServer")), Engine::SQLServer);
    EXPECT_EQ(EngineForKind(QStringLiteral("Access")), Engine::SQLite);
    EXPECT_EQ(EngineForKind(QString()), Engine::SQLite);
    const ConnectionSettings local =
        SettingsForKind(QStringLiteral("Access"), QStringLiteral("/h"));
    EXPECT_EQ(local.file, QStringLiteral("/h/QMDB.mdb"));
}

TEST(Connection, MissingSqliteFileFailsAndIsNotMade)
{
    QTemporaryDir dir;
    ConnectionSettings settings = SettingsForKind(QStringLiteral("Access"), dir.path());
    Database db;
    QString error;
    EXPECT_FALSE(db.Open(settings, &error));
    EXPECT_FALSE(error.isEmpty());
    EXPECT_FALSE(db.IsOpen());
    EXPECT_FALSE(QFileInfo::exists(settings.file));
    Rows rows;
    EXPECT_FALSE(db.Select(QStringLiteral("select 1"), rows, &error));
    EXPECT_FALSE(QFileInfo::exists(settings.file));
}

TEST(Connection, WrongServerPasswordFailsWithTheServersReason)
{
    ConnectionSettings settings;
    if (!kelvaro::test::TestServerSettings(settings))
        GTEST_SKIP() << "no PostgreSQL server";
    settings.DBPassword += QStringLiteral("-wrong");
    Database db;
    QString error;
    EXPECT_FALSE(db.Open(settings, &error));
    EXPECT_TRUE(error.contains(QStringLiteral("password"))) << error.toStdString();
}

// The statement that meets a dropped link fails and is not repeated; the next
// statement finds a new connection.
TEST(Connection, LostServerConnectionFailsOnceThenReconnects)
{
    FreshDatabase fresh;
    KELVARO_FRESH_DATABASE_OR_SKIP(fresh, Engine::PostgreSQL, FreshDatabase::Contents::Schema);
    Database& db = fresh.db();
    Rows rows;
    QString error;
    ASSERT_TRUE(db.Select(QStringLiteral("select pg_backend_pid() as pid"), rows, &error));
    const QString pid = rows[0].text(QStringLiteral("pid"));

    Database other;
    ASSERT_TRUE(other.Open(fresh.settings(), &error)) << error.toStdString();
    ASSERT_TRUE(
        other.Select(QStringLiteral("select pg_terminate_backend(%1)").arg(pid), rows, &error))
        << error.toStdString();

    EXPECT_FALSE(
        db.Exec(QStringLiteral("insert into tblDBVersion (CurVer) values ('lost')"), &error));
    EXPECT_FALSE(error.isEmpty());
    ASSERT_TRUE(db.Select(QStringLiteral("select CurVer from tblDBVersion"), rows, &error))
        << error.toStdString();
    EXPECT_TRUE(rows.empty());
}

namespace
{

// A database whose connection the server drops on request, as a restart does.
class DroppedConnectionTest : public testing::Test
{
protected:
    void SetUp() override
    {
        KELVARO_FRESH_DATABASE_OR_SKIP(fresh, Engine::PostgreSQL, FreshDatabase::Contents::Schema);
        QString error;
        ASSERT_TRUE(admin.Open(fresh.settings(), &error)) << error.toStdString();
    }

    // Ends the server side of db()'s connection and waits until it is gone.
    void Drop()
    {
        Rows rows;
        QString error;
        ASSERT_TRUE(db().Select(QStringLiteral("select pg_backend_pid() as pid"), rows, &error))
            << error.toStdString();
        const QString pid = rows[0].text(QStringLiteral("pid"));
        ASSERT_TRUE(
            admin.Select(QStringLiteral("select pg_terminate_backend(%1, 10000) as gone").arg(pid),
                         rows, &error))
            << error.toStdString();
        ASSERT_EQ(rows[0].text(QStringLiteral("gone")), QStringLiteral("true"));
    }

    int Versions()
    {
        Rows rows;
        EXPECT_TRUE(admin.Select(QStringLiteral("select count(*) as n from tblDBVersion"), rows));
        return rows.empty() ? -1 : rows[0].text(QStringLiteral("n")).toInt();
    }

    Database& db() { return fresh.db(); }

    FreshDatabase fresh;
    Database admin;
};

TEST_F(DroppedConnectionTest, ReadAfterTheDropIsRunOnANewConnection)
{
    ASSERT_NO_FATAL_FAILURE(Drop());
    Rows rows;
    QString error;
    EXPECT_TRUE(db().Select(QStringLiteral("select count(*) as n from tblDBVersion"), rows, &error))
        << error.toStdString();

    ASSERT_NO_FATAL_FAILURE(Drop());
    QSqlQueryModel grid;
    EXPECT_TRUE(db().SelectInto(grid, QStringLiteral("select * from tblDBVersion"), &error))
        << error.toStdString();
}

TEST_F(DroppedConnectionTest, TransactionStartedAfterTheDropWorks)
{
    ASSERT_NO_FATAL_FAILURE(Drop());
    QString error;
    EXPECT_TRUE(db().Transaction(&error)) << error.toStdString();
    EXPECT_TRUE(db().Exec(QStringLiteral("insert into tblDBVersion (CurVer) values ('1')"), &error))
        << error.toStdString();
    EXPECT_TRUE(db().Commit(&error)) << error.toStdString();
    EXPECT_EQ(Versions(), 1);
}

// What may have reached the server is not repeated: a write, or anything
// inside a transaction that the drop took with it.
TEST_F(DroppedConnectionTest, StatementsThatMayHaveReachedTheServerAreNotRepeated)
{
    QString error;
    ASSERT_TRUE(db().Transaction(&error)) << error.toStdString();
    ASSERT_TRUE(
        db().Exec(QStringLiteral("insert into tblDBVersion (CurVer) values ('1')"), &error));
    ASSERT_NO_FATAL_FAILURE(Drop());
    Rows rows;
    EXPECT_FALSE(db().Select(QStringLiteral("select CurVer from tblDBVersion"), rows, &error));
    db().Rollback();

    ASSERT_NO_FATAL_FAILURE(Drop());
    EXPECT_FALSE(
        db().Exec(QStringLiteral("insert into tblDBVersion (CurVer) values ('2')"), &error));
    EXPECT_EQ(Versions(), 0);
    EXPECT_TRUE(db().Exec(QStringLiteral("insert into tblDBVersion (CurVer) values ('3')"), &error))
        << error.toStdString();
    EXPECT_EQ(Versions(), 1);
}

} // namespace
