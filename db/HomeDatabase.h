#pragma once
#include "db/Database.h"

#include <QString>

namespace kelvaro
{

// Where the program home's database is: for the local kind its "QMDB.mdb",
// for a server kind the stored connection text (unscrambled; one that cannot
// be unscrambled counts as empty, so the connection fails).
ConnectionSettings HomeConnectionSettings();
bool OpenHomeDatabase(Database& db, QString* error = nullptr);

} // namespace kelvaro
