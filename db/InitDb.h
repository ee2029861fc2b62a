#pragma once
#include "db/Database.h"
#include <QStringList>

namespace kelvaro
{

struct InitDbOptions {
    QString databaseKind;      // "" keeps the installed kind ("Access" when none)
    QString hospitalName;      // for a new AppConfig.xml
    ConnectionSettings server; // ServerName, DBUser, DBPassword, DBName of a server kind
    QString adminPassword = QStringLiteral("admin");
};

// The item names of the chart entry dialog that tblOptionConfig governs.
QStringList EntryOptionNames();

// Prepares a new installation in the current directory: AppConfig.xml when
// missing (the server settings are stored like the settings dialog does),
// then a new database of the kind with the program's tables, the "admin"
// account, the system parameters, the entry options and the version row.
// Refuses to touch a database that already exists. On success `db` is open
// on the new database; on failure nothing of the new database is left.
bool InitDatabase(const InitDbOptions& options, Database& db, QString* error);

} // namespace kelvaro
