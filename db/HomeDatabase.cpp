#include "db/HomeDatabase.h"

#include "common/ProgramHome.h"
#include "db/Connection.h"
#include "db/StoredConnection.h"

namespace kelvaro
{

ConnectionSettings HomeConnectionSettings()
{
    const QString kind = InstalledDatabaseKind();
    ConnectionSettings settings = SettingsForKind(kind, ProgramHome());
    if (IsServerKind(kind))
        LoadStoredConnection(settings);
    return settings;
}

bool OpenHomeDatabase(Database& db, QString* error)
{
    return db.Open(HomeConnectionSettings(), error);
}

} // namespace kelvaro
