#pragma once
#include "app/PictureDialog.h"
#include "db/Database.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace kelvaro
{

// The main window's values that the login works on: copies in, results out.
struct LoginValues {
    QString DatabaseKind;          // in: whether Ctrl+H reaches the connection settings
    ConnectionSettings connection; // in and out: the four server values
    QString UserNumber;            // out: the code that logged in, in lower case
    QString UserSection;           // out: empty for "admin"
};

// The login window: accepted when a user logged in, rejected to leave the program.
class TF_Login : public PictureDialog
{
public:
    TF_Login(Database& db, LoginValues values, QWidget* parent = nullptr);

    const LoginValues& Values() const { return values_; }

    enum VerifyResult { NotVerified = 0, LoggedIn = 1, NoSection = 2 };
    // `code` in lower case; the password as typed.
    int VerifyUser(const QString& code, const QString& password);
    QString ReadDBVersion();

    void BtnLoginClick();
    void BtnModifyClick();

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void BuildControls();
    void EditConnection();

    Database& db_;
    LoginValues values_;
    int failures_ = 0;
    QLineEdit* TxtUID = nullptr;
    QLineEdit* TxtPWD = nullptr;
    QPushButton* BtnLogin = nullptr;
    QPushButton* BtnModify = nullptr;
    QPushButton* BtnExit = nullptr;
    QLabel* LbDBVersion = nullptr;
};

} // namespace kelvaro
