#pragma once
#include "db/Database.h"

#include <QStringList>

namespace kelvaro
{

// The sections (wards) of tblSectionInfo.

// For the section grid: SerialNo and SectionName in the order of entry.
QString SectionListStatement();
// The names in the order of entry.
bool ReadSectionNames(Database& db, QStringList& names, QString* error = nullptr);
// The names in the order the database keeps them, as the patient tree lists them.
bool ReadStoredSectionNames(Database& db, QStringList& names, QString* error = nullptr);

bool SectionNameTaken(Database& db, const QString& name, bool& taken, QString* error = nullptr);
bool AddSection(Database& db, const QString& name, QString* error = nullptr);
bool RenameSection(Database& db, int serialNo, const QString& name, QString* error = nullptr);
bool DeleteSection(Database& db, int serialNo, QString* error = nullptr);

} // namespace kelvaro
