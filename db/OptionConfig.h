#pragma once
#include <QString>
#include <map>

namespace kelvaro
{

class Database;

// The entry options: item name to whether the nurse may edit the item.
using OptionInfoMap = std::map<QString, bool>;

// Reads tblOptionConfig into `options` (emptied first) in the order the rows
// come back; when a name occurs twice the first row wins. False with *error
// when the table cannot be read; `options` then holds nothing.
bool ReadOptions(Database& db, OptionInfoMap& options, QString* error = nullptr);

// The options table's name, for the Qt table model that edits its rows.
QString OptionConfigTable();

} // namespace kelvaro
