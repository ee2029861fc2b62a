#pragma once
#include "db/Database.h"
#include <QString>

namespace kelvaro
{

// The local database file of every kind that is not a server kind.
inline constexpr char16_t DatabaseFileName[] = u"QMDB.mdb";

// The connection texts, exactly as the program has always written them.
// `programDirectory` is given without its trailing separator.
QString AccessConnectionText(const QString& programDirectory);
// The stored form (before scrambling), also used to reconnect from the login.
QString StoredConnectionText(const ConnectionSettings& settings);
// The dialog's test and the retry at start-up: without the application name.
QString TestConnectionText(const ConnectionSettings& settings);

// Sets ServerName, DBUser, DBPassword and DBName from a connection text; all
// four are "" first, so an empty text leaves them empty.
void ParseConnectionText(const QString& text, ConnectionSettings& settings);

// Where `databaseKind` connects: the engine, and for the local kind the file
// "QMDB.mdb" in `programDirectory`. Server values are left empty.
ConnectionSettings SettingsForKind(const QString& databaseKind, const QString& programDirectory);

// ServerName as "host" or "host:port" (a PostgreSQL host may be a socket directory).
struct ServerAddress {
    QString host;
    int port = -1; // -1: the engine's default
};
ServerAddress SplitServerName(const QString& serverName);

// What the ODBC driver manager gets for Microsoft SQL Server through FreeTDS.
QString OdbcConnectionString(const ConnectionSettings& settings);

} // namespace kelvaro
