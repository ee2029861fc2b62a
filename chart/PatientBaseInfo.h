#pragma once
#include <QString>

namespace kelvaro
{

class Database;
class _TemperatureData;

// Fills the header fields of `chart` (SerialNumber, Name, Sex, Age, AgeUnit,
// InHospitalSection, BedNo and the two dates as "yyyy-MM-dd") from the patient
// whose ContentID is its PatientID, read from `patientSource`. False when the
// patient is not there (fields unchanged, *error empty) or the read failed
// (*error says why).
bool ReadPatientBaseInfo(Database& db, const QString& patientSource, _TemperatureData& chart,
                         QString* error = nullptr);

// The ContentID of the patient with admission number `serialNumber`; "" with
// *error saying why when there is no such patient, several, or the read failed.
QString FindContentIdBySerial(Database& db, const QString& patientSource,
                              const QString& serialNumber, QString* error = nullptr);

// Opens a patient's chart in the usual order: ResetPatient, ClearDays,
// PatientID, the header from the patient source of the chart's database kind,
// LoadChart. False with *error when the patient cannot be read; a chart that
// loads only in part still counts as opened (its days are those read).
bool OpenPatientChart(Database& db, _TemperatureData& chart, const QString& patientId,
                      QString* error = nullptr);

} // namespace kelvaro
