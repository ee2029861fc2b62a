#include "common/ErrorLog.h"

#include "common/CodePage.h"
#include "common/DaysBefore.h"
#include "common/ProgramHome.h"

#include <QDateTime>
#include <QDir>
#include <QFile>

namespace kelvaro
{

namespace
{

// The error files of the single day three days ago; older ones stay.
void RemoveFilesOfThreeDaysAgo(QDir logDir, const QDateTime& now)
{
    const QString pattern = QStringLiteral("Error") + DaysBefore(now, 3).toString(u"yyyyMMdd") +
                            QStringLiteral("*.log");
    const QStringList names =
        logDir.entryList({pattern}, QDir::Files | QDir::Hidden | QDir::CaseSensitive);
    for (const QString& name : names)
        logDir.remove(name);
}

// Appended rather than overwritten, so a second message in the same second is kept.
void AppendMessage(const QDir& logDir, const QDateTime& now, const QString& message)
{
    QFile file(logDir.filePath(QStringLiteral("Error") + now.toString(u"yyyyMMddHHmmss") +
                               QStringLiteral(".log")));
    if (file.open(QIODevice::WriteOnly | QIODevice::Append))
        file.write(ToCodePage(message + QStringLiteral("\r\n")));
}

} // namespace

void LogError(const QString& message)
{
    const QDir logDir(ProgramHome() + QStringLiteral("/Log"));
    if (!logDir.mkpath(QStringLiteral(".")))
        return;
    const QDateTime now = QDateTime::currentDateTime();
    RemoveFilesOfThreeDaysAgo(logDir, now);
    AppendMessage(logDir, now, message);
}

} // namespace kelvaro
