#pragma once
#include <QString>

namespace kelvaro
{

// Writes a new "AppConfig.xml" into the current directory with every element
// the program reads, the installation's kind and hospital name, and the
// defaults of the other settings. Never replaces an existing file.
bool CreateAppConfig(const QString& databaseKind, const QString& hospitalName,
                     QString* error = nullptr);

} // namespace kelvaro
