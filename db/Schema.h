#pragma once
#include "db/Database.h"
#include <QStringList>

namespace kelvaro
{

// The program's tables, in the order they are made.
QStringList SchemaTableNames();

// The statements that make the tables, the indexes on the searched keys and,
// on the server engines, the view ViewInPatientInfo. Text compares without
// regard to letter case on every engine.
QStringList SchemaStatements(Engine engine);

// Runs SchemaStatements on `db`; stops at the first failure.
bool CreateSchema(Database& db, QString* error = nullptr);

// Whether any of the program's tables is already in the database.
bool HasProgramTables(Database& db, bool& found, QString* error = nullptr);

} // namespace kelvaro
