#include "db/RowExists.h"

namespace kelvaro
{

bool RowExists(Database& db, const QString& sql, bool& exists, QString* error)
{
    Rows rows;
    if (!db.Select(sql, rows, error))
        return false;
    exists = !rows.empty();
    return true;
}

bool SelectColumn(Database& db, const QString& sql, const QString& column, QStringList& values,
                  QString* error)
{
    Rows rows;
    if (!db.Select(sql, rows, error))
        return false;
    values.clear();
    for (const Row& row : rows)
        values << row.text(column);
    return true;
}

} // namespace kelvaro
