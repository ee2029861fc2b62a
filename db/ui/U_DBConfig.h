#pragma once
#include "db/Database.h"

#include <QDialog>

class QLineEdit;
class QPushButton;

namespace kelvaro
{

// The server connection settings dialog. It ends with OK only after a test
// connection with the typed values succeeded.
class TF_DBConfig : public QDialog
{
    Q_OBJECT

public:
    // `values`: the four server values and the server engine to test against.
    explicit TF_DBConfig(const ConnectionSettings& values, QWidget* parent = nullptr);

    const ConnectionSettings& values() const { return values_; }

    // -1 no server, -2 no user, -3 no database name; 0 the test connection
    // failed, 1 it succeeded. The password may be empty.
    int CheckAndTest();

    void BtnSaveClick();
    void BtnTestClick();

    QLineEdit* TxtServer;
    QLineEdit* TxtUser;
    QLineEdit* TxtPwd;
    QLineEdit* TxtDBName;
    QPushButton* BtnSave;
    QPushButton* BtnCancel;
    QPushButton* BtnTest;

protected:
    void showEvent(QShowEvent* event) override;
    void done(int result) override;

private:
    void BuildControls();
    // Shows the message of a failed check and focuses its field; false then.
    bool ReportMissing(int result);

    ConnectionSettings values_;
    Database connection_;
};

// Runs TF_DBConfig on `values`; when the user saves, copies the new values
// back, stores them scrambled in AppConfig.xml and returns true.
bool EditConnectionSettings(ConnectionSettings& values, QWidget* parent = nullptr);

} // namespace kelvaro
