#pragma once
#include "db/Database.h"
#include "db/Dialect.h"
#include "db/Patients.h"

#include <QDateTime>
#include <optional>

namespace kelvaro
{

// The rows the demonstration data adds, one statement each.

bool InsertDemoSection(Database& db, const QString& name, QString* error = nullptr);
// `password` as typed; it is stored scrambled.
bool InsertDemoUser(Database& db, const QString& number, const QString& password,
                    const QString& section, QString* error = nullptr);
// In hospital without `discharged`, else discharged at that moment.
bool InsertDemoPatient(Database& db, const Dialect& dialect, const QString& contentID,
                       const PatientRegistration& patient,
                       const std::optional<QDateTime>& discharged, QString* error = nullptr);
bool InsertDemoChart(Database& db, const Dialect& dialect, const QString& patientId,
                     const QString& document, const QDateTime& created, const QString& operatorName,
                     QString* error = nullptr);

} // namespace kelvaro
