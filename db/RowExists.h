#pragma once
#include "db/Database.h"

#include <QStringList>

namespace kelvaro
{

// Whether `sql` returns a row; false with the reason when it fails.
bool RowExists(Database& db, const QString& sql, bool& exists, QString* error = nullptr);

// The text of `column` in every row `sql` returns; `values` is left as it was
// when the statement fails.
bool SelectColumn(Database& db, const QString& sql, const QString& column, QStringList& values,
                  QString* error = nullptr);

} // namespace kelvaro
