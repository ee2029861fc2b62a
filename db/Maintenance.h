#pragma once
#include "common/ProgramHome.h"

#include <QDateTime>
#include <QString>

namespace kelvaro
{

class Database;

// Copies of the local database file "QMDB.mdb" of the program home go to its
// folder "DBBak", named by the second they were taken.
QString BackupFileName(const QString& home, bool marker, const QDateTime& when);

// The newest copy in the home's "DBBak" (by the time in its name); "" for none.
QString NewestBackupFile(const QString& home = ProgramHome());

enum class BackupOutcome {
    Copied,
    CopyFailed, // the copy itself failed (no database file, the engine refused)
    Failed,     // anything else (the folder or an old file of that name)
};
struct BackupResult {
    BackupOutcome outcome = BackupOutcome::Failed;
    QString file;  // the backup file
    QString error; // why it failed
};
// A consistent copy, taken while the program's connection stays open; a copy
// of the same second and marker replaces the earlier file. `marker` adds
// "[删除备份]" for the copy taken before a patient is deleted.
BackupResult BackupDatabase(bool marker, const QString& home = ProgramHome(),
                            const QDateTime& when = QDateTime::currentDateTime());

struct CompactResult {
    bool compacted = false;
    bool reconnected = false; // `main` is open again afterwards
    QString error;
};
// Closes `main`, compacts "QMDB.mdb" in place (safe while other programs have
// it open) and opens `main` again with its settings.
CompactResult CompactAccessFile(Database& main, const QString& home = ProgramHome());

// The settings of the daily backup: mode 2 backs up at hour:minute.
struct BackupSchedule {
    int mode = 1;
    int hour = 17;
    int minute = 30;
};
// Whether the backup is due at the tick at `now`, the previous tick (or the
// start of the timer) having been at `previousTick`: the backup minute began
// after the previous tick and not after this one. A late or early timer thus
// neither skips the backup nor takes it twice, and a day the program did not
// run gets none.
bool TimedBackupDue(const BackupSchedule& schedule, const QDateTime& previousTick,
                    const QDateTime& now);

} // namespace kelvaro
