#pragma once
// The administration dialogs on a fresh database of each engine, message
// boxes scripted.
#include "db/Engines.h"

#include "common/ui/MessageBox.h"
#include "support/ScriptedMessages.h"

#include <QAbstractButton>
#include <QHeaderView>
#include <QTableView>
#include <QTest>

namespace kelvaro::test
{

class AdminDialogTest : public testing::TestWithParam<Engine>
{
protected:
    void SetUp() override
    {
        KELVARO_FRESH_DATABASE_OR_SKIP(fresh, GetParam(), FreshDatabase::Contents::Schema);
    }

    Database& db() { return fresh.db(); }

    void Exec(const QString& sql) { ASSERT_TRUE(db().Exec(sql)) << sql.toStdString(); }

    // The first column of every row `sql` returns.
    QStringList Column(const QString& sql)
    {
        Rows rows;
        EXPECT_TRUE(db().Select(sql, rows)) << sql.toStdString();
        QStringList texts;
        for (const Row& row : rows)
            texts << row.at(0).toString();
        return texts;
    }

    template <class Field> static Field* Find(const QWidget& dialog, const char* name)
    {
        auto* field = dialog.findChild<Field*>(QString::fromLatin1(name));
        EXPECT_NE(field, nullptr) << name;
        return field;
    }

    static void Click(const QWidget& dialog, const char* button)
    {
        Find<QAbstractButton>(dialog, button)->click();
    }

    // The texts the grid shows under the column titled `title`.
    static QStringList GridColumn(const QTableView* grid, const QString& title)
    {
        const QAbstractItemModel* model = grid->model();
        QStringList texts;
        for (int column = 0; column < model->columnCount(); ++column) {
            if (grid->isColumnHidden(column) ||
                model->headerData(column, Qt::Horizontal).toString() != title)
                continue;
            for (int row = 0; row < model->rowCount(); ++row)
                texts << model->index(row, column).data().toString();
        }
        return texts;
    }

    // The visible column titles from left to right.
    static QStringList Titles(const QTableView* grid)
    {
        QStringList titles;
        const QHeaderView* header = grid->horizontalHeader();
        for (int visual = 0; visual < header->count(); ++visual) {
            const int column = header->logicalIndex(visual);
            if (!grid->isColumnHidden(column))
                titles << grid->model()->headerData(column, Qt::Horizontal).toString();
        }
        return titles;
    }

    static void DoubleClickRow(QTableView* grid, int row)
    {
        const QHeaderView* header = grid->horizontalHeader();
        const QModelIndex cell = grid->model()->index(row, header->logicalIndex(0));
        grid->scrollTo(cell);
        const QPoint centre = grid->visualRect(cell).center();
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, centre);
        QTest::mouseDClick(grid->viewport(), Qt::LeftButton, {}, centre);
    }

    static void SelectRow(QTableView* grid, int row)
    {
        grid->setCurrentIndex(grid->model()->index(row, grid->horizontalHeader()->logicalIndex(0)));
    }

    ScriptedMessages messages;
    FreshDatabase fresh;
};

} // namespace kelvaro::test
