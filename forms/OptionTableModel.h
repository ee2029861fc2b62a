#pragma once
#include <QSqlTableModel>

namespace kelvaro
{

// The options table for the option grid: the item name read-only, the
// allow-edit flag as a check box. Changes wait for submitAll.
class OptionTableModel : public QSqlTableModel
{
public:
    OptionTableModel(QObject* parent, const QSqlDatabase& db);

    // Opens the table; false with *error when it cannot be read.
    bool Open(QString* error);

    int NameColumn() const;
    int FlagColumn() const;

    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
};

} // namespace kelvaro
