#include "db/OptionConfig.h"

#include "db/Database.h"

namespace kelvaro
{

bool ReadOptions(Database& db, OptionInfoMap& options, QString* error)
{
    options.clear();
    Rows rows;
    if (!db.Select(QStringLiteral("select * from tblOptionConfig"), rows, error))
        return false;
    for (const Row& row : rows)
        options.emplace(row.text(QStringLiteral("ItemName")),
                        row.value(QStringLiteral("AllowEdit")).toBool());
    return true;
}

QString OptionConfigTable()
{
    return QStringLiteral("tblOptionConfig");
}

} // namespace kelvaro
