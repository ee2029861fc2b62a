#include "db/Users.h"

#include "common/Scramble.h"
#include "db/RowExists.h"

namespace kelvaro
{

QString UserListStatement()
{
    return QStringLiteral("select SerialNo,[Number],Pwd,SectionName from tblUserInfo \t\t\twhere "
                          "[Number]<>'admin' order by [Number]");
}

bool UserNumberTaken(Database& db, const QString& number, bool& taken, QString* error)
{
    return RowExists(db, "select SerialNo from tblUserInfo where [Number]='" + Quoted(number) + "'",
                     taken, error);
}

bool AddUser(Database& db, const QString& number, const QString& password, const QString& section,
             QString* error)
{
    return db.Exec("insert into tblUserInfo([Number],Pwd,SectionName) Values('" + Quoted(number) +
                       "','" + Quoted(Scramble(password)) + "','" + Quoted(section) + "')",
                   error);
}

bool UpdateUser(Database& db, int serialNo, const QString& password, const QString& section,
                QString* error)
{
    return db.Exec("update tblUserInfo set Pwd='" + Quoted(Scramble(password)) + "',SectionName='" +
                       Quoted(section) + "' where SerialNo=" + QString::number(serialNo),
                   error);
}

bool DeleteUser(Database& db, int serialNo, QString* error)
{
    return db.Exec("delete from tblUserInfo where SerialNo=" + QString::number(serialNo), error);
}

bool FindAccount(Database& db, const QString& number, const QString& password,
                 std::optional<int>& serialNo, QString* error)
{
    Rows rows;
    if (!db.Select("select SerialNo from tblUserInfo where [Number]='" + Quoted(number) +
                       "' and Pwd='" + Quoted(Scramble(password)) + "'",
                   rows, error))
        return false;
    serialNo.reset();
    if (!rows.empty())
        serialNo = rows.front().value(QStringLiteral("SerialNo")).toInt();
    return true;
}

bool SetPassword(Database& db, int serialNo, const QString& password, QString* error)
{
    return db.Exec("update tblUserInfo set Pwd='" + Quoted(Scramble(password)) +
                       "' where SerialNo=" + QString::number(serialNo),
                   error);
}

} // namespace kelvaro
