#include "forms/AdminDialogFixture.h"

#include "common/Scramble.h"
#include "forms/U_UserInfo.h"

#include <QComboBox>
#include <QLineEdit>

#include <memory>

namespace kelvaro
{
namespace
{

struct Account {
    QString Number, Password, SectionName;
};

class UserInfoTest : public test::AdminDialogTest
{
protected:
    void SetUp() override
    {
        AdminDialogTest::SetUp();
        if (IsSkipped() || HasFatalFailure())
            return;
        for (const char* section : {"内科", "外科"})
            Exec("insert into tblSectionInfo(SectionName) values('" + QString::fromUtf8(section) +
                 "')");
        AddAccount({"admin", "admin", ""});
    }

    void AddAccount(const Account& a)
    {
        Exec("insert into tblUserInfo([Number],Pwd,SectionName) values('" + Quoted(a.Number) +
             "','" + Quoted(Scramble(a.Password)) + "','" + Quoted(a.SectionName) + "')");
    }

    std::unique_ptr<TF_UserInfo> Open()
    {
        auto dialog = std::make_unique<TF_UserInfo>(db());
        dialog->show();
        return dialog;
    }

    // Every account, "admin" included, by number; passwords unscrambled.
    std::vector<Account> Stored()
    {
        Rows rows;
        EXPECT_TRUE(db().Select(
            QStringLiteral("select [Number],Pwd,SectionName from tblUserInfo order by SerialNo"),
            rows));
        std::vector<Account> accounts;
        for (const Row& row : rows)
            accounts.push_back(
                {row.text("Number"), Unscramble(row.text("Pwd")), row.text("SectionName")});
        return accounts;
    }
    QStringList StoredPwd()
    {
        return Column(QStringLiteral("select Pwd from tblUserInfo order by SerialNo"));
    }

    static QTableView* Grid(const QWidget& d) { return Find<QTableView>(d, "UserList"); }
    static QLineEdit* Number(const QWidget& d) { return Find<QLineEdit>(d, "TxtNumber"); }
    static QLineEdit* Pwd(const QWidget& d) { return Find<QLineEdit>(d, "TxtPwd"); }
    static QComboBox* Section(const QWidget& d) { return Find<QComboBox>(d, "CBoxSectionList"); }

    static void Save(const QWidget& d, const Account& a)
    {
        Number(d)->setText(a.Number);
        Pwd(d)->setText(a.Password);
        Section(d)->setCurrentIndex(Section(d)->findText(a.SectionName));
        Click(d, "BtnSave");
    }
};

bool operator==(const Account& a, const Account& b)
{
    return std::tie(a.Number, a.Password, a.SectionName) ==
           std::tie(b.Number, b.Password, b.SectionName);
}

void PrintTo(const Account& a, std::ostream* os)
{
    *os << QStringList{a.Number, a.Password, a.SectionName}.join('|').toStdString();
}

const QString Exists = QStringLiteral("账号已经存在，不能重复添加，请确认!");

TEST_P(UserInfoTest, ListsAccountsByNumberWithoutAdmin)
{
    AddAccount({"n2", "x", "外科"});
    AddAccount({"n1", "y", "内科"});
    auto dialog = Open();
    EXPECT_EQ(dialog->windowTitle(), QStringLiteral("用户信息"));
    EXPECT_EQ(Titles(Grid(*dialog)), QStringList({"账号", "科室"}));
    EXPECT_EQ(GridColumn(Grid(*dialog), QStringLiteral("账号")), QStringList({"n1", "n2"}));
    EXPECT_EQ(GridColumn(Grid(*dialog), QStringLiteral("科室")), QStringList({"内科", "外科"}));
    EXPECT_EQ(Section(*dialog)->count(), 2);
    EXPECT_EQ(Section(*dialog)->currentText(), QStringLiteral("内科"));
    EXPECT_EQ(Pwd(*dialog)->echoMode(), QLineEdit::Password);
}

TEST_P(UserInfoTest, AddsNewNumbersOnlyAndStoresTextsAsTyped)
{
    auto dialog = Open();
    const struct {
        Account typed;
        QStringList messages;
    } cases[] = {
        {{"", "pw", "内科"}, {}}, // focus to the number, nothing stored
        {{"n1", "", "内科"}, {}}, // focus to the password
        {{"admin", "pw", "内科"}, {Exists}},
        {{"ADMIN", "pw", "内科"}, {Exists}}, // numbers compare without case
        {{"o'neil", "p'w", "外科"}, {}},
        {{"o'neil", "other", "内科"}, {Exists}},
    };
    for (const auto& [typed, messages] : cases) {
        MessageBox::ClearShown();
        Save(*dialog, typed);
        EXPECT_EQ(MessageBox::ShownTexts(), messages) << typed.Number.toStdString();
    }
    EXPECT_EQ(Stored(), std::vector<Account>({{"admin", "admin", ""}, {"o'neil", "p'w", "外科"}}));
    EXPECT_EQ(GridColumn(Grid(*dialog), QStringLiteral("账号")), QStringList{"o'neil"});
    // A refused number stays in the edits for correcting.
    EXPECT_EQ(Number(*dialog)->text(), QStringLiteral("o'neil"));
    EXPECT_EQ(Pwd(*dialog)->text(), QStringLiteral("other"));
}

TEST_P(UserInfoTest, ChangingKeepsTheNumberAndTheScrambledPassword)
{
    AddAccount({"n1", "秘密1", "外科"});
    auto dialog = Open();
    const QStringList before = StoredPwd();
    DoubleClickRow(Grid(*dialog), 0);
    EXPECT_EQ(Number(*dialog)->text(), QStringLiteral("n1"));
    EXPECT_EQ(Pwd(*dialog)->text(), QStringLiteral("秘密1"));
    EXPECT_EQ(Section(*dialog)->currentText(), QStringLiteral("外科"));

    Number(*dialog)->setText(QStringLiteral("renamed")); // ignored
    Click(*dialog, "BtnSave");
    EXPECT_TRUE(MessageBox::ShownTexts().isEmpty());
    EXPECT_EQ(StoredPwd(), before);
    EXPECT_EQ(Stored().back(), (Account{"n1", "秘密1", "外科"}));
    EXPECT_TRUE(Number(*dialog)->text().isEmpty()); // back in new mode
    EXPECT_TRUE(Pwd(*dialog)->text().isEmpty());

    DoubleClickRow(Grid(*dialog), 0);
    Save(*dialog, {"n1", "new'pw", "内科"});
    EXPECT_EQ(Stored().back(), (Account{"n1", "new'pw", "内科"}));
}

TEST_P(UserInfoTest, AnAccountOfADeletedSectionOpensWithoutSection)
{
    AddAccount({"n1", "pw", "产科"});
    auto dialog = Open();
    DoubleClickRow(Grid(*dialog), 0);
    EXPECT_EQ(Section(*dialog)->currentIndex(), -1);
    EXPECT_TRUE(Section(*dialog)->currentText().isEmpty());
    Click(*dialog, "BtnSave");
    EXPECT_EQ(Stored().back(), (Account{"n1", "pw", ""}));
}

TEST_P(UserInfoTest, DeletesTheGridsCurrentRowAfterTheQuestion)
{
    auto dialog = Open();
    Click(*dialog, "BtnDel"); // empty grid: not even a question
    EXPECT_TRUE(MessageBox::ShownBoxes().empty());

    AddAccount({"n1", "a", "内科"});
    AddAccount({"n2", "b", "外科"});
    dialog->RefreshUserList();
    DoubleClickRow(Grid(*dialog), 0);
    SelectRow(Grid(*dialog), 1);
    MessageBox::SetNextAnswers({false, true});
    Click(*dialog, "BtnDel");
    EXPECT_EQ(Stored().size(), 3u);
    Click(*dialog, "BtnDel");
    EXPECT_EQ(MessageBox::ShownTexts(),
              QStringList({"确认删除选中的账号?", "确认删除选中的账号?", "删除账号信息成功!"}));
    EXPECT_EQ(Stored(), std::vector<Account>({{"admin", "admin", ""}, {"n1", "a", "内科"}}));
    EXPECT_EQ(GridColumn(Grid(*dialog), QStringLiteral("账号")), QStringList{"n1"});
    EXPECT_EQ(Number(*dialog)->text(), QStringLiteral("n1")); // the edits are untouched
}

TEST_P(UserInfoTest, FailuresNameTheAction)
{
    AddAccount({"n1", "a", "内科"});
    auto dialog = Open();
    DoubleClickRow(Grid(*dialog), 0);
    Exec(QStringLiteral("drop table tblUserInfo"));
    const struct {
        const char* button;
        QStringList messages;
    } steps[] = {
        {"BtnSave", {"修改账号信息失败，请重试!"}},
        {"BtnRegister", {}},
        {"BtnDel", {"确认删除选中的账号?", "删除账号信息失败，请重试!"}},
    };
    for (const auto& [button, messages] : steps) {
        MessageBox::ClearShown();
        MessageBox::SetNextAnswers({true}); // for the deletion's question
        Click(*dialog, button);
        EXPECT_EQ(MessageBox::ShownTexts(), messages) << button;
    }
    MessageBox::ClearShown();
    Save(*dialog, {"n2", "b", "内科"});
    EXPECT_EQ(MessageBox::ShownTexts(), QStringList{"添加账号信息失败，请重试!"});
    EXPECT_EQ(Number(*dialog)->text(), QStringLiteral("n2"));
    MessageBox::ClearShown();
    dialog->RefreshUserList();
    EXPECT_EQ(MessageBox::ShownTexts(), QStringList{"刷新账号列表失败，请重试!"});
}

TEST_P(UserInfoTest, EnterWalksToTheSaveButton)
{
    auto dialog = Open();
    Number(*dialog)->setText(QStringLiteral("n1"));
    Pwd(*dialog)->setText(QStringLiteral("pw"));
    Number(*dialog)->setFocus();
    for (const char* next : {"TxtPwd", "CBoxSectionList", "BtnSave"}) {
        QTest::keyClick(dialog->focusWidget(), Qt::Key_Return);
        EXPECT_EQ(dialog->focusWidget(), Find<QWidget>(*dialog, next)) << next;
    }
    EXPECT_EQ(Stored().size(), 1u);
    QTest::keyClick(dialog->focusWidget(), Qt::Key_Return);
    EXPECT_EQ(Stored().size(), 2u);
}

INSTANTIATE_TEST_SUITE_P(Engines, UserInfoTest, test::AllEngines(), test::EngineName);

} // namespace
} // namespace kelvaro
