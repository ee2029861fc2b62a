#include "app/U_Main.h"

#include "common/ui/MessageBox.h"
#include "db/Maintenance.h"
#include "db/ui/U_DBConfig.h"

namespace kelvaro
{

namespace
{
const QString BackupFailed = QStringLiteral("备份数据库失败，请重试!");
} // namespace

// A silent copy says nothing when the copy itself fails; anything else that
// went wrong is still worth a word.
void TF_Main::BackupQuietly()
{
    if (BackupDatabase(false).outcome == BackupOutcome::Failed)
        MessageBox::Information(this, BackupFailed);
}

void TF_Main::BackupWithMessages()
{
    switch (BackupDatabase(false).outcome) {
    case BackupOutcome::Copied:
        MessageBox::Information(this, QStringLiteral("备份数据库成功!"));
        break;
    case BackupOutcome::CopyFailed:
        MessageBox::Warning(this, BackupFailed);
        break;
    case BackupOutcome::Failed:
        MessageBox::Information(this, BackupFailed);
        break;
    }
}

void TF_Main::N5Click()
{
    BackupWithMessages();
}

void TF_Main::N7Click()
{
    const CompactResult result = CompactAccessFile(DBConnect);
    MessageBox::Information(this, result.compacted ? QStringLiteral("压缩数据库成功!")
                                                   : QStringLiteral("压缩数据库失败，请重试!"));
    if (!result.reconnected)
        MessageBox::Information(this, QStringLiteral("连接数据库失败，请确认数据库文件存在!"));
    RefreshPatientList();
}

// The new settings are stored for the next start; this run keeps its connection.
void TF_Main::N9Click()
{
    ConnectionSettings settings = ServerSettings();
    if (EditConnectionSettings(settings, this))
        TakeServerValues(settings);
}

// The timer stands still while a backup runs, so ticks never pile up.
void TF_Main::BackDBTimeTimer()
{
    BackDBTime.stop();
    const QDateTime now = QDateTime::currentDateTime();
    const BackupSchedule schedule{BackupMode, BackupHour.value_or(17), BackupMinute.value_or(30)};
    if (TimedBackupDue(schedule, lastBackupCheck_, now))
        BackupQuietly();
    lastBackupCheck_ = now;
    BackDBTime.start();
}

} // namespace kelvaro
