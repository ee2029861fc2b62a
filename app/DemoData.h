#pragma once
#include "db/Database.h"
#include "db/Dialect.h"

namespace kelvaro
{

// The nurse accounts the demo makes; each logs in with DemoNursePassword.
QStringList DemoNurses();
inline constexpr char DemoNursePassword[] = "123456";

// Adds, in one transaction, what shows the program at work: sections, nurse
// accounts and some twenty patients in hospital and discharged, admitted
// relative to `now` within the last four weeks, each with a chart.
bool AddDemoData(Database& db, const Dialect& dialect, const QDateTime& now, QString* error);

} // namespace kelvaro
