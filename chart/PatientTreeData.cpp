#include "chart/PatientTreeData.h"

#include "db/Database.h"
#include "db/Dialect.h"

namespace kelvaro
{

QString PatientTreeStatement(const Dialect& dialect, const QDate& from, const QDate& to, int status)
{
    const QString dateCondition = status == kInHospital
                                      ? QStringLiteral(" where InHospitalDate between  ")
                                      : QStringLiteral(" where OutHospitalDate between ");
    return QStringLiteral("select ContentID,SerialNumber,Name,InHospitalSection from ") +
           dialect.PatientSource + dateCondition + PeriodLiteral(dialect, from, to) +
           QStringLiteral(" and CurrentStatus=") + QString::number(status);
}

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
    Rows rows;
    if (!db.Select(QStringLiteral("select SectionName from tblSectionInfo where 1=1"), rows))
        return false;
    for (const Row& row : rows)
        sections << row.text(QStringLiteral("SectionName"));
    return true;
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
