#include "db/Connection.h"

#include <QDir>

namespace kelvaro
{

namespace
{

QString ServerPart(const ConnectionSettings& s)
{
    return QStringLiteral("Provider=SQLOLEDB.1;Persist Security Info=False;Password='") +
           s.DBPassword + QStringLiteral("';User ID=") + s.DBUser +
           QStringLiteral(";Initial Catalog=") + s.DBName + QStringLiteral(";Data Source=") +
           s.ServerName;
}

QString After(const QString& item, const QString& key)
{
    return item.mid(item.indexOf(key) + key.size());
}

// ODBC values in braces may hold ";" and "="; a "}" is written twice.
QString OdbcValue(const QString& value)
{
    return u'{' + QString(value).replace(u'}', QStringLiteral("}}")) + u'}';
}

} // namespace

QString AccessConnectionText(const QString& programDirectory)
{
    return QStringLiteral("Provider=Microsoft.Jet.OLEDB.4.0;Data Source=") +
           QDir::toNativeSeparators(programDirectory + u'/') +
           QString::fromUtf16(DatabaseFileName) + QStringLiteral(";Persist Security Info=False");
}

QString StoredConnectionText(const ConnectionSettings& settings)
{
    return ServerPart(settings) + QStringLiteral(";Application Name=Quillfen");
}

QString TestConnectionText(const ConnectionSettings& settings)
{
    return ServerPart(settings) + u';';
}

void ParseConnectionText(const QString& text, ConnectionSettings& settings)
{
    settings.ServerName.clear();
    settings.DBUser.clear();
    settings.DBPassword.clear();
    settings.DBName.clear();
    if (text.isEmpty())
        return;
    const QString passwordKey = QStringLiteral("Password='");
    for (const QString& item : text.split(u';')) {
        if (item.contains(QLatin1String("Password="))) {
            const qsizetype p = item.indexOf(passwordKey);
            if (p >= 0)
                settings.DBPassword = item.mid(p + passwordKey.size(), item.size() - 11);
        } else if (item.contains(QLatin1String("ID="))) {
            settings.DBUser = After(item, QStringLiteral("ID="));
        } else if (item.contains(QLatin1String("Catalog="))) {
            settings.DBName = After(item, QStringLiteral("Catalog="));
        } else if (item.contains(QLatin1String("Source="))) {
            settings.ServerName = After(item, QStringLiteral("Source="));
        }
    }
}

ConnectionSettings SettingsForKind(const QString& databaseKind, const QString& programDirectory)
{
    ConnectionSettings settings;
    settings.engine = EngineForKind(databaseKind);
    if (settings.engine == Engine::SQLite)
        settings.file = QDir(programDirectory).filePath(QString::fromUtf16(DatabaseFileName));
    return settings;
}

ServerAddress SplitServerName(const QString& serverName)
{
    const qsizetype colon = serverName.lastIndexOf(u':');
    bool ok = false;
    const int port = colon > 0 ? serverName.mid(colon + 1).toInt(&ok) : 0;
    if (!ok || port <= 0 || port > 65535)
        return {serverName, -1};
    return {serverName.left(colon), port};
}

QString OdbcConnectionString(const ConnectionSettings& settings)
{
    const ServerAddress address = SplitServerName(settings.ServerName);
    return QStringLiteral("DRIVER={FreeTDS};SERVER=") + OdbcValue(address.host) +
           QStringLiteral(";PORT=") + QString::number(address.port > 0 ? address.port : 1433) +
           QStringLiteral(";DATABASE=") + OdbcValue(settings.DBName) + QStringLiteral(";UID=") +
           OdbcValue(settings.DBUser) + QStringLiteral(";PWD=") + OdbcValue(settings.DBPassword) +
           QStringLiteral(";TDS_Version=7.4;ClientCharset=UTF-8;");
}

} // namespace kelvaro
