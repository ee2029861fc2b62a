#include "LoginFixture.h"

#include "app/U_Login.h"
#include "app/U_ModifyPwd.h"
#include "db/ui/U_DBConfig.h"

#include <QDir>
#include <QLabel>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include <memory>

namespace kelvaro::test
{
namespace
{

const QString WrongLogin = QStringLiteral("用户登录信息不正确，请重新输入登录信息!");
const QString NoSection = QStringLiteral("员工没有设置科室，不能登录系统!");

class LoginTest : public LoginFixture
{
protected:
    std::unique_ptr<TF_Login> Open(const QString& kind = QStringLiteral("Access"))
    {
        LoginValues values;
        values.DatabaseKind = kind;
        values.connection.ServerName = QStringLiteral("ward-server");
        auto login = std::make_unique<TF_Login>(db(), values);
        finished = std::make_unique<QSignalSpy>(login.get(), &QDialog::finished);
        login->show();
        return login;
    }

    void Try(TF_Login& login, const QString& code, const QString& password)
    {
        Edit(login, "TxtUID")->setText(code);
        Edit(login, "TxtPWD")->setText(password);
        Click(login, "BtnLogin");
    }

    // The dialog's result, or -1 while it is still open.
    int Outcome() const { return finished->isEmpty() ? -1 : finished->front().front().toInt(); }

    std::unique_ptr<QSignalSpy> finished;
};

struct LoginCase {
    const char* code;
    const char* password;
    int outcome;
    const char* userNumber;
    const char* userSection;
    const char* message;
};

TEST_P(LoginTest, LogsInOnlyWithTheExactPasswordAndASection)
{
    const LoginCase cases[] = {
        {"ADMIN", "admin", QDialog::Accepted, "admin", "", nullptr},
        {"n01", "pw  ", QDialog::Accepted, "n01", "内科", nullptr},
        {"N01", "pw  ", QDialog::Accepted, "n01", "内科", nullptr},
        {"o'hara", "it's", QDialog::Accepted, "o'hara", "外科", nullptr},
        {"n01", "pw", -1, "", "", "用户登录信息不正确，请重新输入登录信息!"},
        {"n01", "PW  ", -1, "", "", "用户登录信息不正确，请重新输入登录信息!"},
        {"nobody", "pw  ", -1, "", "", "用户登录信息不正确，请重新输入登录信息!"},
        {"n02", "pw", -1, "n02", "", "员工没有设置科室，不能登录系统!"},
        {"", "pw", -1, "", "", "请输入用户代码!"},
        {"n01", "", -1, "", "", "请输入用户密码!"},
    };
    for (const LoginCase& c : cases) {
        SCOPED_TRACE(std::string(c.code) + " / " + c.password);
        MessageBox::ClearShown();
        auto login = Open();
        Try(*login, QString::fromUtf8(c.code), QString::fromUtf8(c.password));
        EXPECT_EQ(Outcome(), c.outcome);
        EXPECT_EQ(login->Values().UserNumber, QString::fromUtf8(c.userNumber));
        EXPECT_EQ(login->Values().UserSection, QString::fromUtf8(c.userSection));
        EXPECT_EQ(MessageBox::ShownTexts(),
                  c.message ? QStringList{QString::fromUtf8(c.message)} : QStringList{});
    }
}

TEST_P(LoginTest, TheThirdWrongLoginCancelsAndAMissingSectionDoesNotCount)
{
    auto login = Open();
    Try(*login, QStringLiteral("n01"), QStringLiteral("bad"));
    Try(*login, QStringLiteral("n02"), QStringLiteral("pw"));
    Try(*login, QStringLiteral("n02"), QStringLiteral("pw"));
    Try(*login, QStringLiteral("n01"), QStringLiteral("bad"));
    EXPECT_EQ(Outcome(), -1);
    EXPECT_EQ(login->focusWidget(), Edit(*login, "TxtUID"));
    Try(*login, QStringLiteral("n01"), QStringLiteral("bad"));
    EXPECT_EQ(Outcome(), int(QDialog::Rejected));
    EXPECT_EQ(MessageBox::ShownTexts(),
              (QStringList{WrongLogin, NoSection, NoSection, WrongLogin, WrongLogin}));
}

TEST_P(LoginTest, ShowsTheDatabaseVersion)
{
    const auto label = [](TF_Login& login) {
        return login.findChild<QLabel*>(QStringLiteral("LbDBVersion"))->text();
    };
    EXPECT_EQ(label(*Open()), QStringLiteral("V4.0"));
    ASSERT_TRUE(db().Exec(QStringLiteral("insert into tblDBVersion(CurVer) values('V5.1')")));
    EXPECT_EQ(label(*Open()), QStringLiteral("V5.1"));

    ASSERT_TRUE(db().Exec(QStringLiteral("drop table tblDBVersion")));
    MessageBox::ClearShown();
    EXPECT_EQ(label(*Open()), QStringLiteral("V4.0"));
    ASSERT_EQ(MessageBox::ShownTexts().size(), 1);
    EXPECT_TRUE(
        MessageBox::ShownTexts()[0].startsWith(QStringLiteral("获取系统版本失败，错误原因：")));
    EXPECT_GT(MessageBox::ShownTexts()[0].size(),
              QStringLiteral("获取系统版本失败，错误原因：").size());
}

TEST_P(LoginTest, KeysMoveOnLogInAndCancel)
{
    auto login = Open();
    Edit(*login, "TxtUID")->setText(QStringLiteral("n01"));
    Edit(*login, "TxtUID")->setFocus();
    QTest::keyClick(Edit(*login, "TxtUID"), Qt::Key_Return);
    EXPECT_EQ(login->focusWidget(), Edit(*login, "TxtPWD"));
    QTest::keyClicks(Edit(*login, "TxtPWD"), QStringLiteral("pw  "));
    QTest::keyClick(Edit(*login, "TxtPWD"), Qt::Key_Enter);
    EXPECT_EQ(Outcome(), int(QDialog::Accepted));

    auto again = Open();
    QTest::keyClick(Edit(*again, "TxtUID"), Qt::Key_Escape);
    EXPECT_EQ(Outcome(), int(QDialog::Rejected));
}

TEST_P(LoginTest, CtrlHOpensTheConnectionSettingsOnlyForAServerKind)
{
    for (const char* kind : {"Access", "SQLite", ""}) {
        auto login = Open(QString::fromUtf8(kind));
        QTest::keyClick(Edit(*login, "TxtUID"), Qt::Key_H, Qt::ControlModifier);
        EXPECT_TRUE(modalDialogs.empty()) << kind;
        EXPECT_TRUE(Edit(*login, "TxtUID")->text().isEmpty()) << kind;
    }
    for (const char* kind : {"PostgreSQL", "SQLServer"}) {
        modalDialogs.clear();
        auto login = Open(QString::fromUtf8(kind));
        QTest::keyClick(Edit(*login, "TxtUID"), Qt::Key_H, Qt::ControlModifier);
        EXPECT_EQ(modalDialogs.size(), 1u) << kind;
        // Cancelled: the values and the connection stay as they were.
        EXPECT_EQ(login->Values().connection.ServerName, QStringLiteral("ward-server"));
        EXPECT_TRUE(db().IsOpen());
    }
}

TEST_P(LoginTest, SavedConnectionSettingsReconnectTheLogin)
{
    if (GetParam() != Engine::PostgreSQL)
        GTEST_SKIP() << "the settings dialog tests a server connection";
    const QString home = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(fresh.dir())); // the saved settings go to AppConfig.xml here
    onModal = [&](QDialog& dialog) {
        auto& config = dynamic_cast<TF_DBConfig&>(dialog);
        config.TxtServer->setText(fresh.settings().ServerName);
        config.TxtUser->setText(fresh.settings().DBUser);
        config.TxtPwd->setText(fresh.settings().DBPassword);
        config.TxtDBName->setText(fresh.settings().DBName);
        config.BtnSave->click();
        return dialog.result();
    };
    auto login = Open(QStringLiteral("PostgreSQL"));
    QTest::keyClick(Edit(*login, "TxtUID"), Qt::Key_H, Qt::ControlModifier);
    QDir::setCurrent(home);

    EXPECT_EQ(login->Values().connection.ServerName, fresh.settings().ServerName);
    EXPECT_EQ(login->Values().connection.DBName, fresh.settings().DBName);
    EXPECT_TRUE(db().IsOpen());
    Try(*login, QStringLiteral("n01"), QStringLiteral("pw  "));
    EXPECT_EQ(Outcome(), int(QDialog::Accepted));
}

TEST_P(LoginTest, ThePasswordDialogRunsWhileTheLoginWaitsHidden)
{
    auto login = Open();
    bool loginVisible = true;
    onModal = [&](QDialog& dialog) {
        EXPECT_NE(dynamic_cast<TF_ModifyPwd*>(&dialog), nullptr);
        loginVisible = login->isVisible();
        QTimer::singleShot(0, login.get(), [&] { login->done(42); });
        return int(QDialog::Rejected);
    };
    QTimer::singleShot(0, login.get(), [&] { Click(*login, "BtnModify"); });
    // Hiding must not end the login's own modal loop.
    EXPECT_EQ(login->exec(), 42);
    EXPECT_EQ(modalDialogs.size(), 1u);
    EXPECT_FALSE(loginVisible);
}

INSTANTIATE_TEST_SUITE_P(Engines, LoginTest, AllEngines(), EngineName);

} // namespace
} // namespace kelvaro::test
