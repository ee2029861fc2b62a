#include "db/HomeDatabase.h"

#include "common/ConfigStore.h"
#include "common/ProgramHome.h"
#include "common/Scramble.h"
#include "db/Connection.h"

namespace kelvaro
{

ConnectionSettings HomeConnectionSettings()
{
    const QString kind = InstalledDatabaseKind();
    ConnectionSettings settings = SettingsForKind(kind, ProgramHome());
    if (IsServerKind(kind)) {
        bool ok = false;
        const QString text = Unscramble(
            ReadConfig(QStringLiteral("BaseConfig|DBConnect"), QStringLiteral("Value")), &ok);
        ParseConnectionText(ok ? text : QString(), settings);
    }
    return settings;
}

bool OpenHomeDatabase(Database& db, QString* error)
{
    return db.Open(HomeConnectionSettings(), error);
}

} // namespace kelvaro
