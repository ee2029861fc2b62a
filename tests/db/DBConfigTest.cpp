#include "Engines.h"

#include "common/ui/DialogRunner.h"
#include "common/ui/MessageBox.h"
#include "db/NewAppConfig.h"
#include "db/StoredConnection.h"
#include "db/ui/U_DBConfig.h"
#include "support/ScriptedMessages.h"

#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

using namespace kelvaro;

namespace
{

// A PostgreSQL address that fails at once: no server listens in a missing directory.
const QString nowhere = QStringLiteral("/nonexistent-kelvaro-socket");

class DBConfigTest : public testing::Test
{
protected:
    static ConnectionSettings Values(const QString& server, const QString& user,
                                     const QString& password, const QString& name)
    {
        ConnectionSettings s;
        s.engine = Engine::PostgreSQL;
        s.ServerName = server;
        s.DBUser = user;
        s.DBPassword = password;
        s.DBName = name;
        return s;
    }

    test::ScriptedMessages messages;
};

} // namespace

TEST_F(DBConfigTest, MissingFieldsAreReportedInScreenOrder)
{
    struct Case {
        ConnectionSettings values;
        const char* message;
        const char* focus;
    };
    const Case cases[] = {
        {Values("", "", "", ""), "\t请输入服务器名称或IP地址!", "TxtServer"},
        {Values("s", "", "", ""), "请输入用户名!", "TxtUser"},
        {Values("s", "u", "p", ""), "请输入数据库名称!", "TxtDBName"},
    };
    for (const Case& c : cases) {
        for (const char* button : {"BtnSave", "BtnTest"}) {
            TF_DBConfig dialog(c.values);
            MessageBox::ClearShown();
            dialog.findChild<QPushButton*>(QString::fromLatin1(button))->click();
            EXPECT_EQ(MessageBox::ShownTexts(), QStringList{QString::fromUtf8(c.message)})
                << button;
            ASSERT_NE(dialog.focusWidget(), nullptr);
            EXPECT_EQ(dialog.focusWidget()->objectName(), QString::fromLatin1(c.focus)) << button;
            EXPECT_EQ(dialog.result(), 0);
        }
    }
}

TEST_F(DBConfigTest, EmptyPasswordIsTestedNotRefused)
{
    TF_DBConfig dialog(Values(nowhere, QStringLiteral("u"), QString(), QStringLiteral("d")));
    EXPECT_EQ(dialog.CheckAndTest(), 0);
    dialog.BtnTestClick();
    dialog.BtnSaveClick();
    EXPECT_EQ(MessageBox::ShownTexts(),
              QStringList({QStringLiteral("连接数据库失败，请重试!"),
                           QStringLiteral("连接数据库失败，不能保存，请设置正确的配置信息!")}));
    EXPECT_NE(dialog.result(), QDialog::Accepted);
}

TEST_F(DBConfigTest, EnterFollowsTheFieldChain)
{
    TF_DBConfig dialog(Values("s", "u", "p", "d"));
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
    const std::pair<QWidget*, QWidget*> steps[] = {{dialog.TxtServer, dialog.TxtUser},
                                                   {dialog.TxtUser, dialog.TxtPwd},
                                                   {dialog.TxtPwd, dialog.BtnSave},
                                                   {dialog.TxtDBName, dialog.TxtUser}};
    for (const auto& [from, to] : steps) {
        from->setFocus();
        QTest::keyClick(from, Qt::Key_Return);
        EXPECT_EQ(dialog.focusWidget(), to) << from->objectName().toStdString();
    }
    EXPECT_TRUE(MessageBox::ShownTexts().isEmpty());
    EXPECT_TRUE(dialog.isVisible());
}

TEST_F(DBConfigTest, SavedSettingsAreTestedAndStoredScrambled)
{
    ConnectionSettings server;
    if (!kelvaro::test::TestServerSettings(server))
        GTEST_SKIP() << "no PostgreSQL server";
    QTemporaryDir home;
    const QString previous = QDir::currentPath();
    QDir::setCurrent(home.path());
    ASSERT_TRUE(CreateAppConfig(QStringLiteral("PostgreSQL"), QString()));

    ConnectionSettings values = Values(QStringLiteral("old"), QStringLiteral("old"),
                                       QStringLiteral("old"), QStringLiteral("old"));
    int shownResult = -1;
    const ModalHandler before = SetModalHandler([&](QDialog& d) {
        auto& dialog = static_cast<TF_DBConfig&>(d);
        EXPECT_EQ(dialog.TxtServer->text(), QStringLiteral("old"));
        dialog.TxtServer->setText(server.ServerName);
        dialog.TxtUser->setText(server.DBUser);
        dialog.TxtPwd->setText(server.DBPassword);
        dialog.TxtDBName->setText(server.DBName);
        dialog.BtnTestClick();
        dialog.BtnSaveClick();
        shownResult = dialog.result();
        return dialog.result();
    });
    const bool saved = EditConnectionSettings(values);
    SetModalHandler(before);

    EXPECT_EQ(MessageBox::ShownTexts(), QStringList{QStringLiteral("连接数据库成功!")});
    EXPECT_EQ(shownResult, QDialog::Accepted);
    EXPECT_TRUE(saved);
    EXPECT_EQ(values.DBPassword, server.DBPassword);
    ConnectionSettings stored;
    LoadStoredConnection(stored);
    EXPECT_EQ(stored.ServerName, server.ServerName);
    EXPECT_EQ(stored.DBUser, server.DBUser);
    EXPECT_EQ(stored.DBPassword, server.DBPassword);
    EXPECT_EQ(stored.DBName, server.DBName);
    QDir::setCurrent(previous);
}

TEST_F(DBConfigTest, CancelLeavesTheCallersValues)
{
    ConnectionSettings values = Values("s", "u", "p", "d");
    const ModalHandler before = SetModalHandler([](QDialog& d) {
        auto& dialog = static_cast<TF_DBConfig&>(d);
        dialog.TxtServer->setText(QStringLiteral("changed"));
        dialog.BtnCancel->click();
        return dialog.result();
    });
    EXPECT_FALSE(EditConnectionSettings(values));
    SetModalHandler(before);
    EXPECT_EQ(values.ServerName, QStringLiteral("s"));
}
