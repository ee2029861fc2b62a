#pragma once
#include <QString>
#include <QTime>

namespace kelvaro
{

// The machine-local settings of AppConfig.xml that start-up takes over, with
// the defaults of a missing or unreadable value.
struct LocalSettings {
    int BackupMode = 1;       // 1 on exit, 2 daily at BackupTime, 3 ask on exit
    QTime BackupTime{17, 30}; // read only for mode 2
    QString PrinterName;
    int Offset = 0;
    int TitleOffset = 0;
};

LocalSettings ReadLocalSettings();

} // namespace kelvaro
