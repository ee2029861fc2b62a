#include "forms/OptionTableModel.h"

#include "db/OptionConfig.h"

#include <QSqlDriver>
#include <QSqlError>
#include <QSqlRecord>

namespace kelvaro
{

OptionTableModel::OptionTableModel(QObject* parent, const QSqlDatabase& db)
    : QSqlTableModel(parent, db)
{
    setEditStrategy(OnManualSubmit);
}

bool OptionTableModel::Open(QString* error)
{
    // PostgreSQL keeps unquoted names in lower case, and the model quotes the
    // name it is given.
    const bool lowerCase = database().driver()->dbmsType() == QSqlDriver::PostgreSQL;
    const QString table = OptionConfigTable();
    setTable(lowerCase ? table.toLower() : table);
    if (NameColumn() >= 0 && FlagColumn() >= 0 && select())
        return true;
    *error = lastError().isValid() ? lastError().text() : table + QStringLiteral(": no such table");
    clear();
    return false;
}

int OptionTableModel::NameColumn() const
{
    return record().indexOf(QStringLiteral("ItemName"));
}

int OptionTableModel::FlagColumn() const
{
    return record().indexOf(QStringLiteral("AllowEdit"));
}

QVariant OptionTableModel::data(const QModelIndex& index, int role) const
{
    if (index.column() != FlagColumn())
        return QSqlTableModel::data(index, role);
    if (role == Qt::CheckStateRole)
        return QSqlTableModel::data(index, Qt::EditRole).toBool() ? Qt::Checked : Qt::Unchecked;
    // The box alone shows the flag. The edit role stays as stored: the table
    // finds the row to update by its old values.
    if (role == Qt::DisplayRole)
        return {};
    return QSqlTableModel::data(index, role);
}

bool OptionTableModel::setData(const QModelIndex& index, const QVariant& value, int role)
{
    if (index.column() != FlagColumn() || role != Qt::CheckStateRole)
        return false;
    const bool allowed = value.value<Qt::CheckState>() == Qt::Checked;
    return QSqlTableModel::setData(index, allowed, Qt::EditRole);
}

Qt::ItemFlags OptionTableModel::flags(const QModelIndex& index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    // Editable only so that the table takes the flag; the grid opens no editor.
    if (index.column() == FlagColumn())
        return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable |
               Qt::ItemIsEditable;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable;
}

} // namespace kelvaro
