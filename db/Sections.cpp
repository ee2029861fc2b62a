#include "db/Sections.h"

#include "db/RowExists.h"

namespace kelvaro
{

QString SectionListStatement()
{
    return QStringLiteral("select SerialNo,SectionName from tblSectionInfo order by SerialNo");
}

bool ReadSectionNames(Database& db, QStringList& names, QString* error)
{
    return SelectColumn(db,
                        QStringLiteral("select SectionName from tblSectionInfo order by SerialNo"),
                        QStringLiteral("SectionName"), names, error);
}

bool ReadStoredSectionNames(Database& db, QStringList& names, QString* error)
{
    return SelectColumn(db, QStringLiteral("select SectionName from tblSectionInfo where 1=1"),
                        QStringLiteral("SectionName"), names, error);
}

bool SectionNameTaken(Database& db, const QString& name, bool& taken, QString* error)
{
    return RowExists(db,
                     "select SerialNo from tblSectionInfo where SectionName='" + Quoted(name) + "'",
                     taken, error);
}

bool AddSection(Database& db, const QString& name, QString* error)
{
    return db.Exec("insert into tblSectionInfo(SectionName) Values('" + Quoted(name) + "')", error);
}

bool RenameSection(Database& db, int serialNo, const QString& name, QString* error)
{
    return db.Exec("update tblSectionInfo set SectionName='" + Quoted(name) +
                       "' where SerialNo=" + QString::number(serialNo),
                   error);
}

bool DeleteSection(Database& db, int serialNo, QString* error)
{
    return db.Exec("delete from tblSectionInfo where SerialNo=" + QString::number(serialNo), error);
}

} // namespace kelvaro
