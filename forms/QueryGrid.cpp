#include "forms/QueryGrid.h"

#include <QHeaderView>
#include <QSqlRecord>

namespace kelvaro
{

QueryGrid::QueryGrid(QWidget* parent, const char* name, std::vector<GridColumn> columns)
    : QTableView(parent), query_(new QSqlQueryModel(this)), columns_(std::move(columns))
{
    setObjectName(QString::fromLatin1(name));
    setModel(query_);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    horizontalHeader()->setDefaultAlignment(Qt::AlignCenter);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
}

bool QueryGrid::Reopen(Database& db, const QString& sql, QString* error)
{
    if (!db.SelectInto(*query_, sql, error))
        return false;
    ShowColumns();
    if (HasRows())
        setCurrentIndex(query_->index(0, query_->record().indexOf(columns_.front().field)));
    return true;
}

// Named columns in their order; every other field hidden.
void QueryGrid::ShowColumns()
{
    const QSqlRecord record = query_->record();
    for (int column = 0; column < record.count(); ++column)
        setColumnHidden(column, true);
    for (size_t i = 0; i < columns_.size(); ++i) {
        const int column = record.indexOf(columns_[i].field);
        if (column < 0)
            continue;
        query_->setHeaderData(column, Qt::Horizontal, columns_[i].title);
        setColumnHidden(column, false);
        setColumnWidth(column, columns_[i].width);
        horizontalHeader()->moveSection(horizontalHeader()->visualIndex(column), int(i));
    }
}

bool QueryGrid::HasRows() const
{
    return query_->rowCount() > 0;
}

QVariant QueryGrid::CurrentValue(const QString& field) const
{
    const QModelIndex current = currentIndex();
    if (!current.isValid())
        return {};
    return query_->record(current.row()).value(field);
}

} // namespace kelvaro
