#include "app/Commands.h"
#include "app/U_Main.h"
#include "common/ProgramHome.h"
#include "common/ui/Application.h"

#include <QApplication>
#include <QDir>
#include <QTextStream>

#include <cstdio>
#include <functional>
#include <map>

using namespace kelvaro;

namespace
{

int Usage()
{
    QTextStream(stderr)
        << "usage: kelvaro [--home DIR] [command]\n"
           "  init-db [--demo] [--admin-password PW] [--kind PostgreSQL --server HOST"
           " --user USER --password PW --database NAME]\n"
           "  render --serial SN (--week N --out FILE.png | --all --out FILE.pdf)\n"
           "  export --serial SN --out FILE.QDB\n"
           "  import --serial SN --in FILE.QDB\n"
           "  backup [--mark]\n"
           "  compact\n";
    return 2;
}

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
        if (QByteArray(argv[i]) == "--home")
            ++i;
        else
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
    PrepareApplication(app);

    QStringList args = WithTypedPaths(app.arguments().mid(1), QDir::current());
    QString home;
    if (args.size() >= 2 && args.first() == QLatin1String("--home")) {
        home = args.at(1);
        args = args.mid(2);
    }
    if (!EnterProgramHome(ResolveProgramHome(home))) {
        QTextStream(stderr) << "kelvaro: cannot use the program directory "
                            << ResolveProgramHome(home) << "\n";
        return 1;
    }
    if (args.isEmpty())
        return RunWindow(app);

    const std::map<QString, std::function<int(const QStringList&)>> commands = {
        {QStringLiteral("init-db"), RunInitDbCommand},
        {QStringLiteral("render"), RunRenderCommand},
        {QStringLiteral("export"), RunExportCommand},
        {QStringLiteral("import"), RunImportCommand},
        {QStringLiteral("backup"), RunBackupCommand},
        {QStringLiteral("compact"), RunCompactCommand},
    };
    const auto command = commands.find(args.first());
    if (command == commands.end())
        return Usage();
    return command->second(args.mid(1));
}
