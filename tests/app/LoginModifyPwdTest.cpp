#include "LoginFixture.h"

#include "app/U_ModifyPwd.h"

#include <QSignalSpy>
#include <QTest>

namespace kelvaro::test
{
namespace
{

const QString Question = QStringLiteral("确认修改密码?");

class ModifyPwdTest : public LoginFixture
{
protected:
    // Fills the four edits, clicks BtnModify and tells whether the dialog ended with OK.
    bool Modify(TF_ModifyPwd& dialog, const QStringList& fields)
    {
        QSignalSpy accepted(&dialog, &QDialog::accepted);
        const char* names[] = {"TxtUserID", "TxtPwd", "TxtNewPwd", "TxtNewPwd2"};
        for (int i = 0; i < 4; ++i)
            Edit(dialog, names[i])->setText(fields[i]);
        Click(dialog, "BtnModify");
        return !accepted.isEmpty();
    }
};

struct RefusedCase {
    QStringList fields;
    QStringList messages;
    const char* focus;
};

TEST_P(ModifyPwdTest, RefusesWithOneMessageAndChangesNothing)
{
    const QString bad = QStringLiteral("没有用户代码或者用户密码错误!");
    const RefusedCase cases[] = {
        {{"", "pw  ", "new", "new"}, {"请输入用户代码!"}, "TxtUserID"},
        {{"n01", "", "new", "new"}, {"请输入用户当前使用密码!"}, "TxtPwd"},
        {{"n01", "pw  ", "", "new"}, {"请输入新密码!"}, "TxtNewPwd"},
        {{"n01", "pw  ", "new", ""}, {"请输入确认密码!"}, "TxtNewPwd2"},
        {{"n01", "pw  ", "new", "New"}, {"用户两次输入新密码不相同，请重新输入!"}, "TxtNewPwd"},
        {{"n01", "pw", "new", "new"}, {Question, bad}, "TxtUserID"},
        {{"nobody", "pw  ", "new", "new"}, {Question, bad}, "TxtUserID"},
    };
    for (const RefusedCase& c : cases) {
        SCOPED_TRACE(c.fields.join('|').toStdString());
        MessageBox::ClearShown();
        MessageBox::SetNextAnswers(c.messages.contains(Question) ? std::deque<bool>{true}
                                                                 : std::deque<bool>{});
        TF_ModifyPwd dialog(db());
        dialog.show();
        EXPECT_FALSE(Modify(dialog, c.fields));
        EXPECT_EQ(MessageBox::ShownTexts(), c.messages);
        EXPECT_EQ(dialog.focusWidget(), Edit(dialog, c.focus));
    }
    EXPECT_EQ(StoredPassword(QStringLiteral("n01")), QStringLiteral("pw  "));
}

TEST_P(ModifyPwdTest, StoresTheNewPasswordAfterTheQuestion)
{
    TF_ModifyPwd dialog(db());
    MessageBox::SetNextAnswers({false});
    EXPECT_FALSE(Modify(dialog, {"N01", "pw  ", "neu 1 ", "neu 1 "}));
    EXPECT_EQ(MessageBox::ShownTexts(), QStringList{Question});
    EXPECT_EQ(StoredPassword(QStringLiteral("n01")), QStringLiteral("pw  "));

    MessageBox::ClearShown();
    MessageBox::SetNextAnswers({true});
    EXPECT_TRUE(Modify(dialog, {"N01", "pw  ", "neu 1 ", "neu 1 "}));
    EXPECT_EQ(MessageBox::ShownTexts(),
              (QStringList{Question, QStringLiteral("密码修改成功，请使用新密码登录!")}));
    EXPECT_EQ(StoredPassword(QStringLiteral("n01")), QStringLiteral("neu 1 "));
    EXPECT_EQ(StoredPassword(QStringLiteral("admin")), QStringLiteral("admin"));

    TF_ModifyPwd quoted(db());
    MessageBox::SetNextAnswers({true});
    EXPECT_TRUE(Modify(quoted, {"o'hara", "it's", "new'", "new'"}));
    EXPECT_EQ(StoredPassword(QStringLiteral("o'hara")), QStringLiteral("new'"));
}

TEST_P(ModifyPwdTest, ADatabaseFailureKeepsTheDialogOpen)
{
    ASSERT_TRUE(db().Exec(QStringLiteral("alter table tblUserInfo rename to tblGone")));
    TF_ModifyPwd dialog(db());
    MessageBox::SetNextAnswers({true});
    EXPECT_FALSE(Modify(dialog, {"n01", "pw  ", "new", "new"}));
    EXPECT_EQ(MessageBox::ShownTexts(),
              (QStringList{Question, QStringLiteral("访问数据库错误，修改密码失败，请重试!")}));
}

TEST_P(ModifyPwdTest, EnterWalksTheEditsAndConfirmsAtTheEnd)
{
    TF_ModifyPwd dialog(db());
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
    // An edit entered again has its whole text selected, so typing replaces it.
    Edit(dialog, "TxtUserID")->setText(QStringLiteral("old"));
    Edit(dialog, "TxtPwd")->setFocus();
    Edit(dialog, "TxtUserID")->setFocus();
    QCoreApplication::processEvents();
    EXPECT_EQ(Edit(dialog, "TxtUserID")->selectedText(), QStringLiteral("old"));

    const char* chain[] = {"TxtUserID", "TxtPwd", "TxtNewPwd", "TxtNewPwd2"};
    const QStringList typed{"n01", "pw  ", "x", "x"};
    MessageBox::SetNextAnswers({true});
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(dialog.focusWidget(), Edit(dialog, chain[i]));
        QTest::keyClicks(dialog.focusWidget(), typed[i]);
        QTest::keyClick(dialog.focusWidget(), Qt::Key_Return);
        QCoreApplication::processEvents();
    }
    EXPECT_EQ(StoredPassword(QStringLiteral("n01")), QStringLiteral("x"));
}

INSTANTIATE_TEST_SUITE_P(Engines, ModifyPwdTest, AllEngines(), EngineName);

} // namespace
} // namespace kelvaro::test
