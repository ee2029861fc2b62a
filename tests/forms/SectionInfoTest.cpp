#include "forms/AdminDialogFixture.h"

#include "forms/U_SectionInfo.h"

#include <QLineEdit>

#include <memory>

namespace kelvaro
{
namespace
{

class SectionInfoTest : public test::AdminDialogTest
{
protected:
    std::unique_ptr<TF_SectionInfo> Open()
    {
        auto dialog = std::make_unique<TF_SectionInfo>(db());
        dialog->show();
        return dialog;
    }

    void AddSections(const QStringList& names)
    {
        for (const QString& name : names)
            Exec("insert into tblSectionInfo(SectionName) values('" + Quoted(name) + "')");
    }

    QStringList Stored()
    {
        return Column(QStringLiteral("select SectionName from tblSectionInfo order by SerialNo"));
    }

    static QTableView* Grid(const QWidget& dialog)
    {
        return Find<QTableView>(dialog, "SectionList");
    }
    static QStringList Shown(const QWidget& dialog)
    {
        return GridColumn(Grid(dialog), QStringLiteral("科室名称"));
    }
    static QLineEdit* NameEdit(const QWidget& dialog)
    {
        return Find<QLineEdit>(dialog, "TxtSectionName");
    }
    static void Save(const QWidget& dialog, const QString& name)
    {
        NameEdit(dialog)->setText(name);
        Click(dialog, "BtnSave");
    }
};

TEST_P(SectionInfoTest, ListsSectionsInTheirOrderUnderOneColumn)
{
    AddSections({"内科", "外科", "儿科"});
    auto dialog = Open();
    EXPECT_EQ(dialog->windowTitle(), QStringLiteral("科室信息"));
    EXPECT_EQ(Titles(Grid(*dialog)), QStringList{QStringLiteral("科室名称")});
    EXPECT_EQ(Shown(*dialog), QStringList({"内科", "外科", "儿科"}));
}

TEST_P(SectionInfoTest, AddingRefusesAnExistingNameButRenamingDoesNot)
{
    AddSections({"内科", "外科"});
    auto dialog = Open();

    Save(*dialog, QStringLiteral("内科"));
    EXPECT_EQ(MessageBox::ShownTexts(), QStringList{QStringLiteral("科室名称已经存在请确认!")});
    EXPECT_EQ(NameEdit(*dialog)->text(), QStringLiteral("内科")); // kept for correcting

    // A trailing blank makes another name.
    MessageBox::ClearShown();
    Save(*dialog, QStringLiteral("内科 "));
    EXPECT_TRUE(MessageBox::ShownTexts().isEmpty());
    EXPECT_EQ(Stored(), QStringList({"内科", "外科", "内科 "}));
    EXPECT_TRUE(NameEdit(*dialog)->text().isEmpty());

    // Renaming 外科 to the existing 内科 is accepted.
    DoubleClickRow(Grid(*dialog), 1);
    EXPECT_EQ(NameEdit(*dialog)->text(), QStringLiteral("外科"));
    Save(*dialog, QStringLiteral("内科"));
    EXPECT_TRUE(MessageBox::ShownTexts().isEmpty());
    EXPECT_EQ(Stored(), QStringList({"内科", "内科", "内科 "}));
    EXPECT_EQ(Shown(*dialog), Stored());

    // Back in new mode: the same name is refused again, nothing added.
    Save(*dialog, QStringLiteral("内科"));
    EXPECT_EQ(MessageBox::ShownTexts(), QStringList{QStringLiteral("科室名称已经存在请确认!")});
    EXPECT_EQ(Stored().size(), 3);
}

TEST_P(SectionInfoTest, NamesAreStoredAsTyped)
{
    auto dialog = Open();
    Save(*dialog, QString());
    EXPECT_TRUE(MessageBox::ShownTexts().isEmpty());
    EXPECT_TRUE(Stored().isEmpty());

    Save(*dialog, QStringLiteral("O'Neil 病区"));
    Save(*dialog, QStringLiteral("''"));
    EXPECT_EQ(Stored(), QStringList({"O'Neil 病区", "''"}));
    // A quote is also refused as existing and renamed as typed.
    Save(*dialog, QStringLiteral("O'Neil 病区"));
    EXPECT_EQ(MessageBox::ShownTexts(), QStringList{QStringLiteral("科室名称已经存在请确认!")});
    DoubleClickRow(Grid(*dialog), 1);
    Save(*dialog, QStringLiteral("it's"));
    EXPECT_EQ(Stored(), QStringList({"O'Neil 病区", "it's"}));
}

TEST_P(SectionInfoTest, DeletesTheGridsCurrentRowAfterTheQuestion)
{
    auto dialog = Open();
    Click(*dialog, "BtnDel"); // empty grid: not even a question
    EXPECT_TRUE(MessageBox::ShownBoxes().empty());

    AddSections({"内科", "外科", "儿科"});
    dialog->RefreshSectionList();
    // The edit shows 内科, but the grid's current row is the one deleted.
    DoubleClickRow(Grid(*dialog), 0);
    SelectRow(Grid(*dialog), 2);
    MessageBox::SetNextAnswers({false});
    Click(*dialog, "BtnDel");
    EXPECT_EQ(MessageBox::ShownTexts(), QStringList{QStringLiteral("确认删除选中的科室?")});
    EXPECT_EQ(MessageBox::ShownBoxes().front().kind, MessageBox::Kind::Question);
    EXPECT_EQ(Stored().size(), 3);

    MessageBox::ClearShown();
    MessageBox::SetNextAnswers({true});
    Click(*dialog, "BtnDel");
    EXPECT_EQ(MessageBox::ShownTexts(), QStringList({"确认删除选中的科室?", "删除科室信息成功!"}));
    EXPECT_EQ(Stored(), QStringList({"内科", "外科"}));
    EXPECT_EQ(Shown(*dialog), Stored());
    EXPECT_EQ(NameEdit(*dialog)->text(), QStringLiteral("内科"));

    // The section being renamed is deleted: the update finds no row, quietly.
    SelectRow(Grid(*dialog), 0);
    MessageBox::ClearShown();
    MessageBox::SetNextAnswers({true});
    Click(*dialog, "BtnDel");
    Save(*dialog, QStringLiteral("心内科"));
    EXPECT_EQ(MessageBox::ShownTexts(), QStringList({"确认删除选中的科室?", "删除科室信息成功!"}));
    EXPECT_EQ(Stored(), QStringList{QStringLiteral("外科")});
    EXPECT_TRUE(NameEdit(*dialog)->text().isEmpty());
    Save(*dialog, QStringLiteral("心内科")); // new mode again
    EXPECT_EQ(Stored(), QStringList({"外科", "心内科"}));
}

TEST_P(SectionInfoTest, FailuresNameTheActionAndKeepTheEdit)
{
    AddSections({"内科"});
    auto dialog = Open();
    DoubleClickRow(Grid(*dialog), 0);
    Exec(QStringLiteral("drop table tblSectionInfo"));

    Save(*dialog, QStringLiteral("外科"));
    EXPECT_EQ(MessageBox::ShownTexts(), QStringList{QStringLiteral("修改科室信息失败，请重试!")});
    EXPECT_EQ(NameEdit(*dialog)->text(), QStringLiteral("外科"));

    Click(*dialog, "BtnRegister");
    MessageBox::ClearShown();
    Save(*dialog, QStringLiteral("儿科"));
    EXPECT_EQ(MessageBox::ShownTexts(), QStringList{QStringLiteral("添加科室信息失败，请重试!")});
    EXPECT_EQ(NameEdit(*dialog)->text(), QStringLiteral("儿科"));

    MessageBox::ClearShown();
    MessageBox::SetNextAnswers({true});
    Click(*dialog, "BtnDel");
    EXPECT_EQ(MessageBox::ShownTexts(),
              QStringList({"确认删除选中的科室?", "删除科室信息失败，请重试!"}));

    MessageBox::ClearShown();
    dialog->RefreshSectionList();
    EXPECT_EQ(MessageBox::ShownTexts(), QStringList{QStringLiteral("刷新科室列表失败，请重试!")});
}

INSTANTIATE_TEST_SUITE_P(Engines, SectionInfoTest, test::AllEngines(), test::EngineName);

} // namespace
} // namespace kelvaro
