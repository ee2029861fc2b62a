#include "common/ProgramHome.h"

#include "common/ConfigStore.h"

#include <QDir>
#include <QFileInfo>

namespace kelvaro
{

namespace
{

QString& EnteredHome()
{
    static QString home;
    return home;
}

QString EnvironmentPath(const char* name)
{
    return QString::fromLocal8Bit(qgetenv(name));
}

QString InstallationSetting(const QString& attribute)
{
    return ReadConfig(QStringLiteral("BaseConfig|Installation"), attribute);
}

} // namespace

QString ResolveProgramHome(const QString& explicitHome)
{
    if (!explicitHome.isEmpty())
        return explicitHome;
    const QString kelvaroHome = EnvironmentPath("KELVARO_HOME");
    if (!kelvaroHome.isEmpty())
        return kelvaroHome;
    // A relative XDG_DATA_HOME is invalid and ignored, as the base directory rules say.
    const QString dataHome = EnvironmentPath("XDG_DATA_HOME");
    if (QDir::isAbsolutePath(dataHome))
        return dataHome + QStringLiteral("/kelvaro");
    return QDir::homePath() + QStringLiteral("/.local/share/kelvaro");
}

bool EnterProgramHome(const QString& home)
{
    if (home.isEmpty())
        return false;
    // Made absolute before the working directory changes under a relative name.
    const QString absolute = QDir::cleanPath(QFileInfo(home).absoluteFilePath());
    if (!QDir().mkpath(absolute) || !QDir::setCurrent(absolute))
        return false;
    EnteredHome() = absolute;
    return true;
}

QString ProgramHome()
{
    return EnteredHome().isEmpty() ? QDir::currentPath() : EnteredHome();
}

QString InstalledDatabaseKind()
{
    return InstallationSetting(QStringLiteral("DatabaseKind"));
}

QString InstalledHospitalName()
{
    return InstallationSetting(QStringLiteral("HospitalName"));
}

} // namespace kelvaro
