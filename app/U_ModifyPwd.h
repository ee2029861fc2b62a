#pragma once
#include "app/PictureDialog.h"
#include "db/Database.h"

class QLineEdit;
class QPushButton;

namespace kelvaro
{

// Changes a user's password; accepted once the new one is stored.
class TF_ModifyPwd : public PictureDialog
{
public:
    TF_ModifyPwd(Database& db, QWidget* parent = nullptr);

    void BtnModifyClick();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void BuildControls();
    bool CheckFields();
    void StorePassword();

    Database& db_;
    QLineEdit* TxtUserID = nullptr;
    QLineEdit* TxtPwd = nullptr;
    QLineEdit* TxtNewPwd = nullptr;
    QLineEdit* TxtNewPwd2 = nullptr;
    QPushButton* BtnModify = nullptr;
    QPushButton* BtnExit = nullptr;
};

} // namespace kelvaro
