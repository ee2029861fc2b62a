#pragma once
#include "db/Database.h"

namespace kelvaro
{

// Whether `sql` returns a row; false with the reason when it fails.
bool RowExists(Database& db, const QString& sql, bool& exists, QString* error = nullptr);

} // namespace kelvaro
