#pragma once
#include "db/Database.h"

namespace kelvaro
{

// The server settings kept scrambled under "BaseConfig|DBConnect" "Value" of
// AppConfig.xml in the current directory. A text that cannot be unscrambled
// counts as empty: all four values come back "".
void LoadStoredConnection(ConnectionSettings& settings);
// Scrambles the stored form of `settings` and writes it; false when not saved.
bool SaveStoredConnection(const ConnectionSettings& settings);

} // namespace kelvaro
