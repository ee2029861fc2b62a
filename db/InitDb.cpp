#include "db/InitDb.h"

#include "common/ConfigStore.h"
#include "common/ProgramHome.h"
#include "common/Scramble.h"
#include "db/Connection.h"
#include "db/NewAppConfig.h"
#include "db/Schema.h"
#include "db/StoredConnection.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace kelvaro
{

namespace
{

bool Fail(const QString& message, QString* error)
{
    if (error)
        *error = message;
    return false;
}

QString KindToUse(const InitDbOptions& options)
{
    if (!options.databaseKind.isEmpty())
        return options.databaseKind;
    const QString installed = InstalledDatabaseKind();
    return installed.isEmpty() ? QStringLiteral("Access") : installed;
}

bool ServerSettings(const InitDbOptions& options, ConnectionSettings& settings, QString* error)
{
    const Engine engine = settings.engine;
    settings = options.server;
    settings.engine = engine;
    if (settings.ServerName.isEmpty())
        LoadStoredConnection(settings);
    if (settings.ServerName.isEmpty() || settings.DBUser.isEmpty() || settings.DBName.isEmpty())
        return Fail(QStringLiteral("a server database needs --server, --user and --database "
                                   "(and --password when the server asks for one)"),
                    error);
    return true;
}

QStringList FirstRows(Engine engine, const QString& adminPassword)
{
    QStringList statements = {
        QStringLiteral("insert into tblUserInfo ([Number], Pwd, SectionName) values ('admin', '") +
            Quoted(Scramble(adminPassword)) + QStringLiteral("', '')"),
        QStringLiteral(
            "insert into tblSystemConfig (ItemName, ItemValue) values ('体温单起始时间', '2')"),
        QStringLiteral(
            "insert into tblSystemConfig (ItemName, ItemValue) values ('体温单打印模式', '1')"),
        QStringLiteral("insert into tblDBVersion (CurVer) values ('V4.0')"),
    };
    const QString yes = engine == Engine::PostgreSQL ? QStringLiteral("true") : QStringLiteral("1");
    for (const QString& name : EntryOptionNames())
        statements << QStringLiteral(
                          "insert into tblOptionConfig (ItemName, AllowEdit) values ('%1', %2)")
                          .arg(name, yes);
    return statements;
}

bool Refuse(Database& db, QString* error)
{
    bool found = false;
    if (!HasProgramTables(db, found, error))
        return true;
    if (found)
        return !Fail(QStringLiteral("the database %1 on %2 already holds the program's tables; "
                                    "init-db never overwrites a database")
                         .arg(db.settings().DBName, db.settings().ServerName),
                     error);
    return false;
}

bool Fill(Database& db, const QString& adminPassword, QString* error)
{
    if (!db.Transaction(error))
        return false;
    bool ok = CreateSchema(db, error);
    for (const QString& statement : FirstRows(db.engine(), adminPassword)) {
        if (ok)
            ok = db.Exec(statement, error);
    }
    if (ok)
        return db.Commit(error);
    db.Rollback();
    return false;
}

bool CreateDatabase(const ConnectionSettings& settings, const QString& adminPassword, Database& db,
                    QString* error)
{
    const bool local = settings.engine == Engine::SQLite;
    if (local && QFileInfo::exists(settings.file))
        return Fail(QStringLiteral("%1 already exists; init-db never overwrites a database")
                        .arg(QDir::toNativeSeparators(settings.file)),
                    error);
    QString reason;
    if (!db.Open(settings, &reason))
        return Fail(QStringLiteral("cannot connect to the database: %1").arg(reason), error);
    if (!local && Refuse(db, error))
        return false;
    if (Fill(db, adminPassword, &reason))
        return true;
    db.Close();
    if (local)
        QFile::remove(settings.file);
    return Fail(QStringLiteral("cannot make the database: %1").arg(reason), error);
}

bool WriteInstallation(const QString& kind, const InitDbOptions& options,
                       const ConnectionSettings& settings, QString* error)
{
    if (!QFileInfo::exists(QStringLiteral("AppConfig.xml"))) {
        if (!CreateAppConfig(kind, options.hospitalName, error))
            return false;
    } else if (!options.databaseKind.isEmpty() &&
               !WriteConfig(QStringLiteral("BaseConfig|Installation"),
                            QStringLiteral("DatabaseKind"), kind)) {
        return Fail(QStringLiteral("cannot record the database kind in AppConfig.xml "
                                   "(it needs the element BaseConfig/Installation)"),
                    error);
    }
    if (settings.engine != Engine::SQLite && !SaveStoredConnection(settings))
        return Fail(QStringLiteral("cannot store the server settings in AppConfig.xml "
                                   "(it needs the element BaseConfig/DBConnect)"),
                    error);
    return true;
}

} // namespace

QStringList EntryOptionNames()
{
    return {QStringLiteral("腋表"),  QStringLiteral("口表"),     QStringLiteral("肛表"),
            QStringLiteral("脉搏"),  QStringLiteral("心率"),     QStringLiteral("呼吸"),
            QStringLiteral("事件2"), QStringLiteral("物理降温"), QStringLiteral("呼吸机"),
            QStringLiteral("体重"),  QStringLiteral("大便次数"), QStringLiteral("小便次数"),
            QStringLiteral("入量"),  QStringLiteral("出量")};
}

bool InitDatabase(const InitDbOptions& options, Database& db, QString* error)
{
    const QString kind = KindToUse(options);
    ConnectionSettings settings = SettingsForKind(kind, QDir::currentPath());
    if (settings.engine != Engine::SQLite && !ServerSettings(options, settings, error))
        return false;
    settings.createFile = true;
    return CreateDatabase(settings, options.adminPassword, db, error) &&
           WriteInstallation(kind, options, settings, error);
}

} // namespace kelvaro
