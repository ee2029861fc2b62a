#pragma once
#include "db/Database.h"

namespace kelvaro
{

// The settings every workstation of a database shares (tblSystemConfig).
struct SystemParameters {
    int StartHour = 2; // "体温单起始时间": clock hour of each chart day's first slot
    int PrintMode = 1; // "体温单打印模式"
};

// Both parameters; a missing row, a value that is no number or a failed
// reading leaves the default.
SystemParameters ReadSystemParameters(Database& db);

// The start hour a stored text stands for: a whole hour of the day, else 2.
int StartHourFromText(const QString& text);

// The stored chart start time as text; empty when there is no row.
bool ReadStartTime(Database& db, QString& value, QString* error = nullptr);
// Stores `typed` as it is: the row is made the first time, updated later.
bool WriteStartTime(Database& db, const QString& typed, QString* error = nullptr);

} // namespace kelvaro
