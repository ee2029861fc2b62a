#pragma once
#include "db/Database.h"
#include "db/Patients.h"

#include <QDialog>

class QComboBox;
class QDateTimeEdit;
class QLineEdit;
class QPushButton;

namespace kelvaro
{

// Registers new in-patients or changes the particulars of one. After each
// save the form is emptied for the next entry; only BtnExit closes it.
class TF_AddPatientInfo : public QDialog
{
public:
    TF_AddPatientInfo(Database& db, const Dialect& dialect, QWidget* parent = nullptr);

    // Switches to changing the patient with this key.
    void SetModify(const QString& contentID);

    void FormShow();
    void BtnRegisterClick();
    void ClearFields();
    void LoadPatient();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void BuildControls();
    void FillSections();
    bool CheckFields();
    bool InsertPatient();
    bool UpdatePatient();
    bool RegisterFailed();
    PatientRegistration Typed() const;

    Database& db_;
    Dialect dialect_;
    bool modify_ = false;
    QString contentID_;
    QLineEdit* TxtSN = nullptr;
    QLineEdit* TxtName = nullptr;
    QComboBox* CBoxSex = nullptr;
    QLineEdit* TxtAge = nullptr;
    QComboBox* CBoxAgeUnit = nullptr;
    QComboBox* CBoxSectionList = nullptr;
    QLineEdit* TxtBedNo = nullptr;
    QDateTimeEdit* DTInHosDate = nullptr;
    QPushButton* BtnRegister = nullptr;
    QPushButton* BtnExit = nullptr;
};

} // namespace kelvaro
