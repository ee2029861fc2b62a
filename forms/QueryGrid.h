#pragma once
#include "db/Database.h"

#include <QSqlQueryModel>
#include <QTableView>

#include <vector>

namespace kelvaro
{

// A column the grid shows: the result field, its centred title, its width.
// Fields of the result that no column names stay hidden.
struct GridColumn {
    QString field;
    QString title;
    int width = 100;
};

// A read-only data grid of whole rows over a query of the one connection.
// Reopening keeps the columns' titles and widths and makes the first row the
// current one, as a freshly opened query stands on its first record.
class QueryGrid : public QTableView
{
public:
    QueryGrid(QWidget* parent, const char* name, std::vector<GridColumn> columns);

    // Runs `sql` through the statement layer; false with the reason when it
    // fails, the grid then being empty.
    bool Reopen(Database& db, const QString& sql, QString* error = nullptr);
    bool HasRows() const;
    // `field` of the current row; invalid when there is no current row.
    QVariant CurrentValue(const QString& field) const;

private:
    void ShowColumns();

    QSqlQueryModel* query_; // owned by the grid
    std::vector<GridColumn> columns_;
};

} // namespace kelvaro
