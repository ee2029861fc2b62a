#pragma once
#include "db/Database.h"

#include <optional>

namespace kelvaro
{

// The accounts of tblUserInfo. Passwords are given as typed and stored scrambled.

// For the account grid: every account but admin's, by number.
QString UserListStatement();

bool UserNumberTaken(Database& db, const QString& number, bool& taken, QString* error = nullptr);
bool AddUser(Database& db, const QString& number, const QString& password, const QString& section,
             QString* error = nullptr);
// An account keeps its number: only password and section change.
bool UpdateUser(Database& db, int serialNo, const QString& password, const QString& section,
                QString* error = nullptr);
bool DeleteUser(Database& db, int serialNo, QString* error = nullptr);

// The SerialNo of the account with this number and password; none when they do not match.
bool FindAccount(Database& db, const QString& number, const QString& password,
                 std::optional<int>& serialNo, QString* error = nullptr);
bool SetPassword(Database& db, int serialNo, const QString& password, QString* error = nullptr);

} // namespace kelvaro
