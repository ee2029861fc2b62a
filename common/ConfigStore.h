#pragma once
#include <QString>

namespace kelvaro
{

// One attribute of one element of "AppConfig.xml" in the current directory,
// addressed by element names joined by "|" below the root element.
QString ReadConfig(const QString& path, const QString& attribute);
bool WriteConfig(const QString& path, const QString& attribute, const QString& value);

} // namespace kelvaro
