#include "app/CommandLine.h"

#include "app/Commands.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QTextStream>

#include <array>
#include <cstdio>

namespace kelvaro
{

namespace
{

struct CommandEntry {
    const char* name;
    const char* synopsis;
    const char* summary;
    int (*run)(const QStringList&);
};

const std::array<CommandEntry, 6> commandTable = {{
    {"init-db",
     "[--demo] [--admin-password PW] [--kind PostgreSQL --server HOST --user USER --password PW "
     "--database NAME]",
     "make a new database in the program home (--demo: with sample patients)", RunInitDbCommand},
    {"render", "--serial SN (--week N --out FILE.png | --all --out FILE.pdf)",
     "draw a week of a patient's chart as PNG, or every week as PDF", RunRenderCommand},
    {"export", "--serial SN --out FILE.QDB", "write a patient's chart to a chart file",
     RunExportCommand},
    {"import", "--serial SN --in FILE.QDB", "read a chart file into a patient's chart",
     RunImportCommand},
    {"backup", "[--mark]", "copy the local database into the home's DBBak/", RunBackupCommand},
    {"compact", "", "compact the local database in place", RunCompactCommand},
}};

const CommandEntry* FindCommand(const QString& name)
{
    for (const CommandEntry& entry : commandTable) {
        if (name == QLatin1String(entry.name))
            return &entry;
    }
    return nullptr;
}

QString CommandSynopsis(const CommandEntry& entry)
{
    return QStringLiteral("%1 %2")
        .arg(QLatin1String(entry.name), QLatin1String(entry.synopsis))
        .trimmed();
}

QString CommandsText()
{
    QString text = QStringLiteral("\nCommands:\n");
    for (const CommandEntry& entry : commandTable)
        text += QStringLiteral("  %1\n      %2\n")
                    .arg(CommandSynopsis(entry), QLatin1String(entry.summary));
    text += QStringLiteral("\nFiles named with --in and --out are relative to the current "
                           "directory.\nSee kelvaro(1).\n");
    return text;
}

// Qt names the program as it was typed; the usage names it as it is installed.
QString UsageText(const QCommandLineParser& parser)
{
    const QString help = parser.helpText();
    return QStringLiteral("Usage: kelvaro [options] [command [args...]]") +
           help.mid(help.indexOf(u'\n')) + CommandsText();
}

QString CommandHelpText(const CommandEntry& entry)
{
    return QStringLiteral("Usage: kelvaro [--home DIR] %1\n%2\n")
        .arg(CommandSynopsis(entry), QLatin1String(entry.summary));
}

// The answer to a line that asks for no work: printed, and the exit code.
int Answer(FILE* stream, const QString& text, int exitCode)
{
    QTextStream(stream) << text;
    return exitCode;
}

void DescribeOptions(QCommandLineParser& parser)
{
    parser.setApplicationDescription(
        QStringLiteral("The nursing temperature chart (电子体温单) of a hospital ward.\n"
                       "Without a command it opens the window; with one it works headless."));
    parser.addOption({{QStringLiteral("h"), QStringLiteral("help")},
                      QStringLiteral("Print this help, or a command's, and exit.")});
    parser.addOption({{QStringLiteral("v"), QStringLiteral("version")},
                      QStringLiteral("Print the version and exit.")});
    parser.addOption({QStringLiteral("home"),
                      QStringLiteral("The program home (default: $KELVARO_HOME, else "
                                     "$XDG_DATA_HOME/kelvaro)."),
                      QStringLiteral("DIR")});
    parser.addPositionalArgument(QStringLiteral("command"),
                                 QStringLiteral("A headless command (below); none: the window."),
                                 QStringLiteral("[command [args...]]"));
    // A command's own words are the command's to read.
    parser.setOptionsAfterPositionalArgumentsMode(QCommandLineParser::ParseAsPositionalArguments);
}

bool AsksForHelp(const QStringList& words)
{
    return words.contains(QLatin1String("--help")) || words.contains(QLatin1String("-h"));
}

} // namespace

CommandLine ParseCommandLine(const QStringList& arguments)
{
    QCommandLineParser parser;
    DescribeOptions(parser);
    CommandLine line;
    const QString usage = UsageText(parser);
    if (!parser.parse(arguments)) {
        line.answered =
            Answer(stderr, QStringLiteral("kelvaro: %1\n").arg(parser.errorText()) + usage, 2);
        return line;
    }
    if (parser.isSet(QStringLiteral("version"))) {
        line.answered = Answer(
            stdout, QStringLiteral("kelvaro %1\n").arg(QCoreApplication::applicationVersion()), 0);
        return line;
    }
    line.home = parser.value(QStringLiteral("home"));
    const QStringList words = parser.positionalArguments();
    if (words.isEmpty()) {
        if (parser.isSet(QStringLiteral("help")))
            line.answered = Answer(stdout, usage, 0);
        return line;
    }
    const CommandEntry* entry = FindCommand(words.first());
    if (!entry) {
        line.answered = Answer(
            stderr, QStringLiteral("kelvaro: unknown command %1\n").arg(words.first()) + usage, 2);
        return line;
    }
    if (parser.isSet(QStringLiteral("help")) || AsksForHelp(words.mid(1))) {
        line.answered = Answer(stdout, CommandHelpText(*entry), 0);
        return line;
    }
    line.command = entry->run;
    line.commandArgs = words.mid(1);
    return line;
}

} // namespace kelvaro
