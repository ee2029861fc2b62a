#include "db/StoredConnection.h"

#include "common/ConfigStore.h"
#include "common/Scramble.h"
#include "db/Connection.h"

namespace kelvaro
{

namespace
{

const QString connectPath = QStringLiteral("BaseConfig|DBConnect");
const QString valueAttribute = QStringLiteral("Value");

} // namespace

void LoadStoredConnection(ConnectionSettings& settings)
{
    bool ok = false;
    const QString text = Unscramble(ReadConfig(connectPath, valueAttribute), &ok);
    ParseConnectionText(ok ? text : QString(), settings);
}

bool SaveStoredConnection(const ConnectionSettings& settings)
{
    return WriteConfig(connectPath, valueAttribute, Scramble(StoredConnectionText(settings)));
}

} // namespace kelvaro
