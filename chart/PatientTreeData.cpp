#include "chart/PatientTreeData.h"

#include "db/Patients.h"
#include "db/Sections.h"

namespace kelvaro
{

void ReadTreePatients(Database& db, const Dialect& dialect, const QDate& from, const QDate& to,
                      PatientInfoVec& patients)
{
    patients.clear();
    for (const int status : {kInHospital, kDischarged}) {
        Rows rows;
        if (!db.Select(PatientTreeStatement(dialect, from, to, status), rows))
            return;
        for (const Row& row : rows)
            patients.push_back({row.text(QStringLiteral("ContentID")),
                                row.text(QStringLiteral("SerialNumber")),
                                row.text(QStringLiteral("Name")),
                                row.text(QStringLiteral("InHospitalSection")), status});
    }
}

bool LoadTreeSections(Database& db, QStringList& sections)
{
    sections.clear();
    return ReadStoredSectionNames(db, sections);
}

std::vector<int> SectionPatients(const PatientInfoVec& patients, const QString& section, int status)
{
    std::vector<int> found;
    for (int i = 0; i < int(patients.size()); ++i) {
        const PatientInfo& patient = patients[size_t(i)];
        if (patient.Status == status && patient.InHospitalSection == section)
            found.push_back(i);
    }
    return found;
}

} // namespace kelvaro
