#pragma once
#include "db/Database.h"

#include <QDialog>

class QComboBox;
class QLineEdit;
class QPushButton;

namespace kelvaro
{

class QueryGrid;

// Keeps the accounts that may log in: number, scrambled password, section.
// The built-in "admin" is never listed, so it is neither changed nor deleted
// here; a new account may not take its number either.
class TF_UserInfo : public QDialog
{
public:
    explicit TF_UserInfo(Database& db, QWidget* parent = nullptr);

    void FormShow();
    void RefreshUserList();
    void BtnRegisterClick();
    void UserListDblClick();
    void BtnSaveClick();
    void BtnDelClick();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void BuildControls();
    void FillSections();
    bool SaveUser();
    void SaveFailed();

    Database& db_;
    bool modify_ = false; // change mode: changing account serialNo_
    int serialNo_ = 0;
    QueryGrid* UserList = nullptr;
    QLineEdit* TxtNumber = nullptr;
    QLineEdit* TxtPwd = nullptr;
    QComboBox* CBoxSectionList = nullptr;
    QPushButton* BtnRegister = nullptr;
    QPushButton* BtnSave = nullptr;
    QPushButton* BtnDel = nullptr;
};

} // namespace kelvaro
