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

} // namespace kelvaro
