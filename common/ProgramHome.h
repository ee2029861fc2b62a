#pragma once
#include <QString>

namespace kelvaro
{

// The home of one installation (AppConfig.xml, QMDB.mdb, Log/, DBBak/):
// `explicitHome` when given, else $KELVARO_HOME, else $XDG_DATA_HOME/kelvaro
// (~/.local/share/kelvaro).
QString ResolveProgramHome(const QString& explicitHome);
// Creates the home when missing, makes it the working directory and remembers it.
bool EnterProgramHome(const QString& home);
// The home entered last (absolute, without trailing slash).
QString ProgramHome();

// The installation settings kept as attributes of "BaseConfig|Installation".
QString InstalledDatabaseKind();
QString InstalledHospitalName();

} // namespace kelvaro
