#pragma once
#include "db/Patients.h"

#include <QDate>
#include <QString>
#include <QStringList>
#include <vector>

namespace kelvaro
{

// One patient of the patient tree.
struct PatientInfo {
    QString ContentID;
    QString SerialNumber;
    QString Name;
    QString InHospitalSection;
    int Status = 0; // 1 in hospital, 2 discharged
};
using PatientInfoVec = std::vector<PatientInfo>;

// The in-hospital patients of the period followed by the discharged ones, each
// group in the order the database returns it. A failed read ends the loading
// quietly: `patients` keeps what was read before it.
void ReadTreePatients(Database& db, const Dialect& dialect, const QDate& from, const QDate& to,
                      PatientInfoVec& patients);

// Section names for the tree's branches, in the order the database returns
// them; false when the read failed.
bool LoadTreeSections(Database& db, QStringList& sections);

// Positions in `patients` of those with `status` whose section is exactly
// `section` (case and blanks included), in array order.
std::vector<int> SectionPatients(const PatientInfoVec& patients, const QString& section,
                                 int status);

} // namespace kelvaro
