#include "common/ui/Application.h"

#include "common/ui/FocusStyle.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLibraryInfo>
#include <QLocale>
#include <QStyle>
#include <QTranslator>

namespace kelvaro
{

void PrepareEnvironment()
{
    if (!qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR"))
        return;
    const QString directory =
        QDir::tempPath() + QStringLiteral("/runtime-") + qEnvironmentVariable("USER", "kelvaro");
    if (QDir().mkpath(directory) &&
        QFile::setPermissions(directory, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner))
        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(directory));
}

void PrepareApplication(QApplication& app)
{
    QApplication::setApplicationName(QStringLiteral("kelvaro"));
    // No display name: Qt would append it to every caption.
    const QLocale chinese(QLocale::Chinese, QLocale::China);
    QLocale::setDefault(chinese);
    auto* translator = new QTranslator(&app);
    if (translator->load(chinese, QStringLiteral("qtbase"), QStringLiteral("_"),
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(translator);
    QApplication::setStyle(NewFocusStyle().release()); // the application owns it
}

} // namespace kelvaro
