#include "Engines.h"

#include "db/Schema.h"

#include <QCoreApplication>
#include <QDir>

#include <atomic>

namespace kelvaro::test
{

bool TestServerSettings(ConnectionSettings& settings)
{
    const QString host = qEnvironmentVariable("KELVARO_TEST_PG_HOST");
    if (host.isEmpty())
        return false;
    const QString port = qEnvironmentVariable("KELVARO_TEST_PG_PORT");
    settings.engine = Engine::PostgreSQL;
    settings.ServerName = port.isEmpty() ? host : host + u':' + port;
    settings.DBUser = qEnvironmentVariable("KELVARO_TEST_PG_USER");
    settings.DBPassword = qEnvironmentVariable("KELVARO_TEST_PG_PASSWORD");
    settings.DBName = qEnvironmentVariable("KELVARO_TEST_PG_DB");
    return true;
}

namespace
{

QString UniqueDatabaseName()
{
    static std::atomic<int> counter{0};
    return QStringLiteral("kelvaro_t%1_%2").arg(QCoreApplication::applicationPid()).arg(++counter);
}

} // namespace

FreshDatabase::~FreshDatabase()
{
    db_.Close();
    if (serverDatabase_.isEmpty())
        return;
    ConnectionSettings admin;
    TestServerSettings(admin);
    Database server;
    if (server.Open(admin))
        server.Exec(QStringLiteral("drop database if exists %1 with (force)").arg(serverDatabase_));
}

bool FreshDatabase::CreateServerDatabase(QString* reason)
{
    ConnectionSettings admin;
    if (!TestServerSettings(admin)) {
        configured_ = false;
        *reason = QStringLiteral("no PostgreSQL server: KELVARO_TEST_PG_HOST is not set");
        return false;
    }
    Database server;
    if (!server.Open(admin, reason))
        return false;
    const QString name = UniqueDatabaseName();
    if (!server.Exec(QStringLiteral("create database %1").arg(name), reason))
        return false;
    serverDatabase_ = name;
    settings_ = admin;
    settings_.DBName = name;
    return true;
}

bool FreshDatabase::Create(Engine engine, Contents contents, QString* reason)
{
    if (engine == Engine::SQLite) {
        settings_.engine = Engine::SQLite;
        settings_.file = QDir(dir_.path()).filePath(QStringLiteral("QMDB.mdb"));
    } else if (!CreateServerDatabase(reason)) {
        return false;
    }
    if (contents == Contents::Nothing)
        return true;
    ConnectionSettings create = settings_;
    create.createFile = true;
    // One transaction: SQLite would otherwise sync the file for every table.
    if (!db_.Open(create, reason) || !db_.Transaction(reason))
        return false;
    if (!CreateSchema(db_, reason)) {
        db_.Rollback();
        return false;
    }
    return db_.Commit(reason);
}

QString FreshDatabase::kind() const
{
    return settings_.engine == Engine::PostgreSQL ? QStringLiteral("PostgreSQL")
                                                  : QStringLiteral("Access");
}

} // namespace kelvaro::test
