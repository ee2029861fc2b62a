#pragma once
#include "db/Database.h"
#include "db/Dialect.h"

#include <QDate>
#include <QDateTime>
#include <QStringList>
#include <optional>

namespace kelvaro
{

// The patients of tblInPatientInfo.

// A patient's CurrentStatus.
constexpr int kInHospital = 1;
constexpr int kDischarged = 2;

// What the registration form shows and stores of a patient; texts as typed.
struct PatientRegistration {
    QString SerialNumber, Name, Sex, Age, AgeUnit, InHospitalSection, BedNo;
    QDateTime InHospitalDate;
};

// The registration of the patient `contentID`; none when there is no such patient.
bool ReadRegistration(Database& db, const QString& contentID,
                      std::optional<PatientRegistration>& patient, QString* error = nullptr);
// Whether any patient, discharged ones included, has this admission number.
bool SerialNumberTaken(Database& db, const QString& serialNumber, bool& taken,
                       QString* error = nullptr);
// A new patient in hospital.
bool InsertPatient(Database& db, const Dialect& dialect, const QString& contentID,
                   const PatientRegistration& patient, QString* error = nullptr);
bool UpdatePatient(Database& db, const Dialect& dialect, const QString& contentID,
                   const PatientRegistration& patient, QString* error = nullptr);

// The chart header's row of the patient `contentID` read from `patientSource`:
// ContentID, SerialNumber, Name, Sex, Age, AgeUnit, InHospitalSection, BedNo,
// InHospitalDate, OutHospitalDate; none when there is no such patient.
bool ReadPatientBase(Database& db, const QString& patientSource, const QString& contentID,
                     std::optional<Row>& row, QString* error = nullptr);
// The ContentIDs of `patientSource` with this admission number.
bool ReadContentIdsBySerial(Database& db, const QString& patientSource, const QString& serialNumber,
                            QStringList& ids, QString* error = nullptr);

// The statement for the tree's patients of one status: in hospital by
// admission date, discharged by discharge date, both within the period.
QString PatientTreeStatement(const Dialect& dialect, const QDate& from, const QDate& to,
                             int status);

} // namespace kelvaro
