#pragma once
#include "db/Database.h"

#include <QDialog>

class QComboBox;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QTimeEdit;

namespace kelvaro
{

// The system parameters: the chart start time kept in the database for every
// workstation, and this workstation's backup mode and time, chart printer and
// page offsets kept in its configuration file. After a save (OK result) the
// opener takes over the values handed back.
class TF_SetParams : public QDialog
{
public:
    explicit TF_SetParams(Database& db, QWidget* parent = nullptr);

    // Handed back by a successful save; 2, "", 0 and 0 before one.
    int StartHour() const { return startHour_; }
    QString PrinterName() const { return printerName_; }
    int Offset() const { return offset_; }
    int TitleOffset() const { return titleOffset_; }

    void FormShow();
    void BtnSaveClick();
    void RdoExitAppBackDBClick();
    void RdoFixedTimeClick();
    void RdoPromptClick();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void BuildControls();
    QWidget* BuildBackupGroup();
    void LoadStartTime();
    void LoadPrinters();
    void LoadOffsets();
    void LoadBackup();
    bool Save(QString& error);
    bool SaveOffset(QLineEdit* edit, const QString& attribute, const QString& label, int& offset,
                    QString& error);

    Database& db_;
    int startHour_ = 2;
    QString printerName_;
    int offset_ = 0;
    int titleOffset_ = 0;
    QLineEdit* TxtValue = nullptr;
    QRadioButton* RdoExitAppBackDB = nullptr;
    QRadioButton* RdoFixedTime = nullptr;
    QRadioButton* RdoPrompt = nullptr;
    QTimeEdit* DTBackDBTime = nullptr;
    QLineEdit* TxtTitleOffset = nullptr;
    QLineEdit* TxtOffset = nullptr;
    QComboBox* CBoxPrinterList = nullptr;
    QPushButton* BtnSave = nullptr;
    QPushButton* BtnExit = nullptr;
};

} // namespace kelvaro
