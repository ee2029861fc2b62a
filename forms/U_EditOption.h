#pragma once
#include <QDialog>

class QPushButton;
class QTableView;

namespace kelvaro
{

class Database;
class OptionTableModel;

// The administrator's switches of the entry options. Changes are held in the
// grid until 保存 applies them all in one transaction; 退出 drops them.
class TF_EditOption : public QDialog
{
public:
    explicit TF_EditOption(Database& db, QWidget* parent = nullptr);
    ~TF_EditOption() override;

    void FormShow();
    void BtnSaveClick();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void BuildControls();
    void ShowColumns();

    Database& db_;
    OptionTableModel* model_ = nullptr;
    QTableView* grid_ = nullptr;
    QPushButton* BtnSave = nullptr;
    QPushButton* BtnCancel = nullptr;
};

} // namespace kelvaro
