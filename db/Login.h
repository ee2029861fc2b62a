#pragma once
#include "db/Database.h"

#include <optional>

namespace kelvaro
{

// The section of the account that `code` and `password` name; none when they
// name no account.
bool FindLogin(Database& db, const QString& code, const QString& password,
               std::optional<QString>& section, QString* error = nullptr);

// The stored database version (tblDBVersion); left as it is when there is no row.
bool ReadDatabaseVersion(Database& db, QString& version, QString* error = nullptr);

} // namespace kelvaro
