#pragma once
#include "db/Dialect.h"

#include <QDateTime>
#include <QString>

namespace kelvaro
{

class Database;

// Discharge at `when`: status 2 with the discharge moment.
QString DischargeStatement(const Dialect& dialect, const QString& contentID, const QDateTime& when);
// Back in hospital: status 1, no discharge moment.
QString UndoDischargeStatement(const QString& contentID);

// Deletes the patient row and his chart rows in one transaction, so that
// either both go or neither does. A patient without chart rows is no failure.
bool DeletePatient(Database& db, const QString& contentID, QString* error = nullptr);

} // namespace kelvaro
