#include "app/Commands.h"

#include "common/ProgramHome.h"
#include "db/HomeDatabase.h"
#include "db/Maintenance.h"

#include <QTextStream>

namespace kelvaro
{

namespace
{

int Fail(const QString& command, const QString& message)
{
    QTextStream(stderr) << "kelvaro: " << command << ": " << message << "\n";
    return 1;
}

QString WithReason(const QString& message, const QString& reason)
{
    return reason.isEmpty() ? message : message + QStringLiteral(" 错误原因：") + reason;
}

// Backup and compaction are for the local database file; a server keeps its
// databases with its own tools.
bool OnServer(const QString& command)
{
    const QString kind = InstalledDatabaseKind();
    if (!IsServerKind(kind))
        return false;
    Fail(command, QStringLiteral("the %1 database of %2 is kept by the server's own tools "
                                 "(its backups and maintenance); nothing done")
                      .arg(kind, ProgramHome()));
    return true;
}

} // namespace

int RunBackupCommand(const QStringList& args)
{
    const QString command = QStringLiteral("backup");
    if (!args.isEmpty() && args != QStringList{QStringLiteral("--mark")})
        return Fail(command, QStringLiteral("unexpected argument %1").arg(args.join(u' ')));
    if (OnServer(command))
        return 1;
    const BackupResult result = BackupDatabase(!args.isEmpty());
    if (result.outcome != BackupOutcome::Copied)
        return Fail(command, WithReason(QStringLiteral("备份数据库失败，请重试!"), result.error));
    QTextStream(stdout) << result.file << "\n";
    return 0;
}

int RunCompactCommand(const QStringList& args)
{
    const QString command = QStringLiteral("compact");
    if (!args.isEmpty())
        return Fail(command, QStringLiteral("unexpected argument %1").arg(args.join(u' ')));
    if (OnServer(command))
        return 1;
    Database db;
    QString error;
    if (!OpenHomeDatabase(db, &error))
        return Fail(command,
                    WithReason(QStringLiteral("连接数据库失败，请确认数据库文件存在!"), error));
    const CompactResult result = CompactAccessFile(db);
    if (!result.compacted)
        return Fail(command, WithReason(QStringLiteral("压缩数据库失败，请重试!"), result.error));
    QTextStream(stderr) << "kelvaro: compact: 压缩数据库成功!\n";
    if (!result.reconnected)
        return Fail(command, QStringLiteral("连接数据库失败，请确认数据库文件存在!"));
    return 0;
}

} // namespace kelvaro
