#include "db/Engines.h"

#include "common/ui/MessageBox.h"
#include "db/InitDb.h"
#include "db/OptionConfig.h"
#include "forms/U_EditOption.h"
#include "support/ScriptedMessages.h"

#include <QAbstractItemModel>
#include <QPushButton>
#include <QTableView>

namespace kelvaro::test
{
namespace
{

class EditOptionTest : public testing::TestWithParam<Engine>
{
protected:
    void SetUp() override
    {
        KELVARO_FRESH_DATABASE_OR_SKIP(fresh, GetParam(), FreshDatabase::Contents::Schema);
        const QString yes = GetParam() == Engine::PostgreSQL ? "true" : "1";
        for (const QString& name : EntryOptionNames())
            ASSERT_TRUE(fresh.db().Exec(
                QStringLiteral("insert into tblOptionConfig(ItemName,AllowEdit) values('%1',%2)")
                    .arg(name, yes)));
    }

    OptionInfoMap Stored()
    {
        OptionInfoMap options;
        EXPECT_TRUE(ReadOptions(fresh.db(), options));
        return options;
    }

    // Opens the dialog, switches "体重" off in the grid and leaves with `button`.
    void SwitchWeightOffAndLeave(const char* button)
    {
        TF_EditOption dialog(fresh.db());
        dialog.show();
        auto* grid = dialog.findChild<QTableView*>(QStringLiteral("DBGrid"));
        ASSERT_NE(grid, nullptr);
        QAbstractItemModel* model = grid->model();
        ASSERT_NE(model, nullptr);
        ASSERT_EQ(model->rowCount(), EntryOptionNames().size());
        QStringList titles, shownNames;
        int flagColumn = -1;
        for (int column = 0; column < model->columnCount(); ++column) {
            if (grid->isColumnHidden(column))
                continue;
            titles << model->headerData(column, Qt::Horizontal).toString();
            if (model->flags(model->index(0, column)) & Qt::ItemIsUserCheckable)
                flagColumn = column;
        }
        EXPECT_EQ(titles, (QStringList{"项目名称", "允许编辑"}));
        ASSERT_GE(flagColumn, 0);
        const QModelIndexList weight = model->match(model->index(0, 0), Qt::DisplayRole,
                                                    QStringLiteral("体重"), 1, Qt::MatchExactly);
        ASSERT_EQ(weight.size(), 1);
        const QModelIndex flag = model->index(weight.front().row(), flagColumn);
        EXPECT_EQ(flag.data(Qt::CheckStateRole).value<Qt::CheckState>(), Qt::Checked);
        EXPECT_FALSE(model->flags(weight.front()) & Qt::ItemIsEditable);
        ASSERT_TRUE(model->setData(flag, Qt::Unchecked, Qt::CheckStateRole));
        dialog.findChild<QPushButton*>(QString::fromLatin1(button))->click();
        EXPECT_FALSE(dialog.isVisible());
    }

    ScriptedMessages messages;
    FreshDatabase fresh;
};

TEST_P(EditOptionTest, LeavingWithCancelDropsTheChange)
{
    SwitchWeightOffAndLeave("BtnCancel");
    EXPECT_TRUE(Stored().at(QStringLiteral("体重")));
    EXPECT_TRUE(MessageBox::ShownTexts().isEmpty());
}

TEST_P(EditOptionTest, SavingStoresTheChangeAndNothingElse)
{
    SwitchWeightOffAndLeave("BtnSave");
    const OptionInfoMap options = Stored();
    ASSERT_EQ(options.size(), size_t(EntryOptionNames().size()));
    for (const auto& [name, allowed] : options)
        EXPECT_EQ(allowed, name != QStringLiteral("体重")) << name.toStdString();
    EXPECT_TRUE(MessageBox::ShownTexts().isEmpty());
}

TEST_P(EditOptionTest, AMissingTableIsReportedAndLeavesTheGridEmpty)
{
    ASSERT_TRUE(fresh.db().Exec(QStringLiteral("drop table tblOptionConfig")));
    TF_EditOption dialog(fresh.db());
    dialog.show();
    ASSERT_EQ(MessageBox::ShownTexts().size(), 1);
    EXPECT_TRUE(
        MessageBox::ShownTexts().front().startsWith(QStringLiteral("访问数据库失败，错误原因：")));
    EXPECT_EQ(dialog.findChild<QTableView*>(QStringLiteral("DBGrid"))->model(), nullptr);
}

INSTANTIATE_TEST_SUITE_P(Engines, EditOptionTest, AllEngines(), EngineName);

} // namespace
} // namespace kelvaro::test
