#include "db/Login.h"

#include "common/Scramble.h"

namespace kelvaro
{

bool FindLogin(Database& db, const QString& code, const QString& password,
               std::optional<QString>& section, QString* error)
{
    Rows rows;
    const QString sql = "select [Number],[SectionName] from tblUserInfo where Pwd='" +
                        Quoted(Scramble(password)) + "' and [Number]='" + Quoted(code) + "'";
    if (!db.Select(sql, rows, error))
        return false;
    section.reset();
    if (!rows.empty())
        section = rows.front().text(QStringLiteral("SectionName"));
    return true;
}

bool ReadDatabaseVersion(Database& db, QString& version, QString* error)
{
    Rows rows;
    if (!db.Select(QStringLiteral("select CurVer from tblDBVersion"), rows, error))
        return false;
    if (!rows.empty())
        version = rows.front().text(QStringLiteral("CurVer"));
    return true;
}

} // namespace kelvaro
