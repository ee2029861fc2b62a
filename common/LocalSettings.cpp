#include "common/LocalSettings.h"

#include "common/ConfigStore.h"

namespace kelvaro
{

namespace
{

const QString BackupPath = QStringLiteral("BaseConfig|BackupDB");
const QString MarginPath = QStringLiteral("BaseConfig|Margin");

int ConfigNumber(const QString& path, const QString& attribute, int fallback)
{
    bool ok = false;
    const int value = ReadConfig(path, attribute).toInt(&ok);
    return ok ? value : fallback;
}

// "17:30" as the parameters dialog writes it; a one-digit hour or minute is
// read as meant, anything else keeps the default time.
QTime BackupTimeOf(const QString& text, const QTime& fallback)
{
    const QTime time = QTime::fromString(text.trimmed(), QStringLiteral("H:m"));
    return time.isValid() ? time : fallback;
}

} // namespace

LocalSettings ReadLocalSettings()
{
    LocalSettings settings;
    settings.BackupMode =
        ConfigNumber(BackupPath, QStringLiteral("BackupDBMode"), settings.BackupMode);
    if (settings.BackupMode == 2)
        settings.BackupTime = BackupTimeOf(ReadConfig(BackupPath, QStringLiteral("AutoBackupTime")),
                                           settings.BackupTime);
    settings.PrinterName =
        ReadConfig(QStringLiteral("BaseConfig|Printer"), QStringLiteral("Value"));
    settings.Offset = ConfigNumber(MarginPath, QStringLiteral("Offset"), 0);
    settings.TitleOffset = ConfigNumber(MarginPath, QStringLiteral("TitleOffset"), 0);
    return settings;
}

} // namespace kelvaro
