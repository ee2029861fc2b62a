#pragma once
#include "chart/_temperaturedata.h"
#include "db/OptionConfig.h"

#include <QDialog>
#include <array>
#include <utility>
#include <vector>

class QCheckBox;
class QComboBox;
class QDateEdit;
class QGridLayout;
class QLineEdit;
class QPushButton;
class QTabWidget;
class QTimeEdit;

namespace kelvaro
{

class Database;

// The controls of one time slot's page.
struct SlotPage {
    std::vector<QLineEdit*> edits; // as SlotEditFields lists them
    QCheckBox* ChkHXJ = nullptr;
    QComboBox* CBoxEvent = nullptr;
    QTimeEdit* DTEventTime = nullptr;
    QComboBox* CBoxEventTwo = nullptr;
    QTimeEdit* DTEventTimeTwo = nullptr;
};

// Entry of one day of the open patient's chart: six slot pages and the daily
// values. Each save stores the shown day at once; the dialog stays open.
class TF_EditData : public QDialog
{
public:
    explicit TF_EditData(Database& db, QWidget* parent = nullptr);

    // Handed over by the main window before the dialog is shown.
    QString Operator; // the logged-in account, lower case
    QString PatientID;
    QString SerialNumber;
    QString DatabaseKind;
    QString DayText; // the day to show first; then the day last shown or saved
    int StartHour = 2;
    // The chart document; after each save the stored one. The dialog's result.
    QByteArray DocumentText;

    void FormShow();
    void SetSlotCaptions();
    void LoadOptions();
    void ClearControls();
    void LoadDay();
    void DTDateChange();
    void BtnSaveClick();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void BuildControls();
    QWidget* BuildSlotPage(int slot);
    QWidget* BuildDailyPanel();
    void Governed(QWidget* control, const QString& option);
    void FillSlot(int slot, const TemperatureData& day);
    void FillDaily(const TemperatureData& day);
    void ApplyOptions();
    TemperatureData DayFromControls(const QString& key) const;
    QString ShownDay() const;

    Database& db_;
    _TemperatureData chart_;
    OptionInfoMap options_;
    std::vector<std::pair<QWidget*, QString>> governed_; // controls with an entry option

    QDateEdit* DTDate = nullptr;
    QTabWidget* PageCtrl = nullptr;
    std::array<SlotPage, SlotCount> pages_;
    std::vector<QWidget*> daily_; // as DailyFields lists them
    QPushButton* BtnSave = nullptr;
    QPushButton* BtnCancel = nullptr;
};

} // namespace kelvaro
