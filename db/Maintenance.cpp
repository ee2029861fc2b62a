#include "db/Maintenance.h"

#include "db/Connection.h"
#include "db/Database.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace kelvaro
{

namespace
{

QString DatabaseFile(const QString& home)
{
    return home + QLatin1Char('/') + QString::fromUtf16(DatabaseFileName);
}

// Writes a compacted, consistent copy of the database file to `target`.
bool VacuumInto(const QString& source, const QString& target, QString* error)
{
    ConnectionSettings settings;
    settings.engine = Engine::SQLite;
    settings.file = source;
    Database db;
    return db.Open(settings, error) &&
           db.Exec(QStringLiteral("VACUUM INTO '") + Quoted(target) + QLatin1Char('\''), error);
}

BackupResult Backup(BackupOutcome outcome, const QString& file, const QString& error)
{
    return {outcome, file, error};
}

} // namespace

QString BackupFileName(const QString& home, bool marker, const QDateTime& when)
{
    return home + QStringLiteral("/DBBak/QMDB") + when.toString(QStringLiteral("yyyyMMddHHmmss")) +
           (marker ? QStringLiteral("[删除备份]") : QString()) + QStringLiteral(".bak");
}

QString NewestBackupFile(const QString& home)
{
    const QDir folder(home + QStringLiteral("/DBBak"));
    // The names differ only in the time they carry, so the greatest is the newest.
    QStringList names = folder.entryList({QStringLiteral("QMDB*.bak")}, QDir::Files);
    names.sort();
    return names.isEmpty() ? QString() : folder.filePath(names.last());
}

BackupResult BackupDatabase(bool marker, const QString& home, const QDateTime& when)
{
    const QString file = BackupFileName(home, marker, when);
    if (!QDir(home).mkpath(QStringLiteral("DBBak")))
        return Backup(BackupOutcome::Failed, file, QStringLiteral("不能建立备份目录"));
    if (QFileInfo::exists(file) && !QFile::remove(file))
        return Backup(BackupOutcome::Failed, file, QStringLiteral("不能替换同名的备份文件"));
    QString error;
    if (!VacuumInto(DatabaseFile(home), file, &error))
        return Backup(BackupOutcome::CopyFailed, file, error);
    return Backup(BackupOutcome::Copied, file, QString());
}

CompactResult CompactAccessFile(Database& main, const QString& home)
{
    const ConnectionSettings settings = main.settings();
    main.Close();

    // VACUUM rewrites the live file inside one transaction: another program
    // that has the file open keeps working on it and loses nothing.
    CompactResult result;
    ConnectionSettings live;
    live.file = DatabaseFile(home);
    Database db;
    result.compacted =
        db.Open(live, &result.error) && db.Exec(QStringLiteral("VACUUM"), &result.error);
    db.Close();

    QString reopenError;
    result.reconnected = main.Open(settings, &reopenError);
    if (!result.reconnected && result.error.isEmpty())
        result.error = reopenError;
    return result;
}

bool TimedBackupDue(const BackupSchedule& schedule, const QDateTime& previousTick,
                    const QDateTime& now)
{
    if (schedule.mode != 2)
        return false;
    const QDateTime due(now.date(), QTime(schedule.hour, schedule.minute));
    return due.isValid() && previousTick < due && due <= now;
}

} // namespace kelvaro
