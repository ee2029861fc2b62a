#include "app/CommandLine.h"
#include "app/U_Main.h"
#include "common/ProgramHome.h"
#include "common/ui/Application.h"

#include <QApplication>
#include <QDir>
#include <QIcon>
#include <QTextStream>

using namespace kelvaro;

namespace
{

int RunWindow(QApplication& app)
{
    TF_Main window;
    window.show();
    return app.exec();
}

// Files named on the command line mean what they mean in the shell that typed
// them, though the program works in its home.
QStringList WithTypedPaths(QStringList args, const QDir& typedIn)
{
    for (qsizetype i = 0; i + 1 < args.size(); ++i) {
        if (args.at(i) == u"--in" || args.at(i) == u"--out") {
            ++i;
            if (!args.at(i).isEmpty())
                args[i] = typedIn.absoluteFilePath(args.at(i));
        }
    }
    return args;
}

// A headless command needs no display; only the window does.
bool WantsWindow(int argc, char* argv[])
{
    for (int i = 1; i < argc; ++i) {
        const QByteArray word(argv[i]);
        if (word == "--home" && i + 1 < argc)
            ++i;
        else if (!word.startsWith("--home="))
            return false;
    }
    return true;
}

} // namespace

int main(int argc, char* argv[])
{
    if (!WantsWindow(argc, argv) && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    PrepareEnvironment();
    QApplication app(argc, argv);
    QApplication::setApplicationVersion(QStringLiteral(KELVARO_VERSION));
    // Parsed before the Chinese translation is installed: the command line
    // speaks English, as its manual does.
    const CommandLine line = ParseCommandLine(app.arguments());
    if (line.answered)
        return *line.answered;
    PrepareApplication(app);
    Q_INIT_RESOURCE(icon); // a static library's resources are linked in when named
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/KelvaroIcon")));
    QApplication::setDesktopFileName(QStringLiteral("org.kelvaro.Kelvaro"));

    const QStringList commandArgs = WithTypedPaths(line.commandArgs, QDir::current());
    if (!EnterProgramHome(ResolveProgramHome(line.home))) {
        QTextStream(stderr) << "kelvaro: cannot use the program directory "
                            << ResolveProgramHome(line.home) << "\n";
        return 1;
    }
    if (!line.command)
        return RunWindow(app);
    return line.command(commandArgs);
}
