#pragma once
#include "db/Engines.h"

#include "common/Scramble.h"
#include "common/ui/DialogRunner.h"
#include "common/ui/MessageBox.h"
#include "support/ScriptedMessages.h"

#include <QDialog>
#include <QLineEdit>
#include <QPushButton>

namespace kelvaro::test
{

// A fresh database with the accounts the login cases need, message boxes
// scripted and modal dialogs counted instead of run.
class LoginFixture : public testing::TestWithParam<Engine>
{
protected:
    void SetUp() override
    {
        KELVARO_FRESH_DATABASE_OR_SKIP(fresh, GetParam(), FreshDatabase::Contents::Schema);
        AddUser(QStringLiteral("admin"), QStringLiteral("admin"), {});
        AddUser(QStringLiteral("n01"), QStringLiteral("pw  "), QStringLiteral("内科"));
        AddUser(QStringLiteral("n02"), QStringLiteral("pw"), {});
        AddUser(QStringLiteral("o'hara"), QStringLiteral("it's"), QStringLiteral("外科"));
        previousHandler_ = SetModalHandler([this](QDialog& dialog) {
            modalDialogs.push_back(&dialog);
            return onModal ? onModal(dialog) : int(QDialog::Rejected);
        });
    }
    void TearDown() override { SetModalHandler(previousHandler_); }

    void AddUser(const QString& code, const QString& password, const QString& section)
    {
        ASSERT_TRUE(db().Exec("insert into tblUserInfo([Number],Pwd,SectionName) values('" +
                              Quoted(code) + "','" + Quoted(Scramble(password)) + "','" + section +
                              "')"));
    }

    QString StoredPassword(const QString& code)
    {
        Rows rows;
        EXPECT_TRUE(
            db().Select("select Pwd from tblUserInfo where [Number]='" + Quoted(code) + "'", rows));
        return rows.empty() ? QString() : Unscramble(rows.front().text("Pwd"));
    }

    static QLineEdit* Edit(QDialog& dialog, const char* name)
    {
        auto* edit = dialog.findChild<QLineEdit*>(name);
        EXPECT_NE(edit, nullptr) << name;
        return edit;
    }
    static void Click(QDialog& dialog, const char* name)
    {
        auto* button = dialog.findChild<QPushButton*>(name);
        ASSERT_NE(button, nullptr) << name;
        button->click();
    }

    Database& db() { return fresh.db(); }

    ScriptedMessages messages;
    FreshDatabase fresh;
    std::vector<QDialog*> modalDialogs; // only valid while each runs
    ModalHandler onModal;

private:
    ModalHandler previousHandler_;
};

} // namespace kelvaro::test
