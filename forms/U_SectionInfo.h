#pragma once
#include "db/Database.h"

#include <QDialog>

class QLineEdit;
class QPushButton;

namespace kelvaro
{

class QueryGrid;

// Keeps the sections (wards): the grid lists them, the edit
// adds a new name or renames the section double-clicked in the grid.
class TF_SectionInfo : public QDialog
{
public:
    explicit TF_SectionInfo(Database& db, QWidget* parent = nullptr);

    void FormShow();
    void RefreshSectionList();
    void BtnRegisterClick();
    void SectionListDblClick();
    void BtnSaveClick();
    void BtnDelClick();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void BuildControls();
    void SaveFailed();

    Database& db_;
    bool modify_ = false; // change mode: renaming section serialNo_
    int serialNo_ = 0;
    QueryGrid* SectionList = nullptr;
    QLineEdit* TxtSectionName = nullptr;
    QPushButton* BtnRegister = nullptr;
    QPushButton* BtnSave = nullptr;
    QPushButton* BtnDel = nullptr;
};

} // namespace kelvaro
