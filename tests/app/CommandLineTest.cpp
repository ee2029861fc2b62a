#include "ShellFixture.h"

#include <QRegularExpression>

namespace kelvaro
{
namespace
{

using test::Outcome;

// --help, --version and a wrong line as a shell user meets them: answered at
// once, without making a program home.
class CommandLineTest : public test::ShellTest
{
protected:
    void TearDown() override
    {
        EXPECT_FALSE(QDir(Path(QStringLiteral("xdg/kelvaro"))).exists()) << "no home is made";
        EXPECT_FALSE(QDir(Path(QStringLiteral("h"))).exists()) << "no home is made";
    }
};

TEST_F(CommandLineTest, HelpShowsOptionsAndEveryCommand)
{
    for (const QString& help : {QStringLiteral("--help"), QStringLiteral("-h")}) {
        const Outcome outcome = Type({help});
        EXPECT_EQ(outcome.exitCode, 0) << outcome;
        EXPECT_TRUE(outcome.out.startsWith(QStringLiteral("Usage: kelvaro"))) << outcome;
        for (const char* word : {"--home <DIR>", "--version", "init-db", "render", "export",
                                 "import", "backup", "compact", "kelvaro(1)"})
            EXPECT_TRUE(outcome.out.contains(QString::fromUtf8(word))) << word << "\n" << outcome;
        EXPECT_TRUE(outcome.err.isEmpty()) << outcome;
    }
}

TEST_F(CommandLineTest, VersionIsOneLine)
{
    for (const QString& version : {QStringLiteral("--version"), QStringLiteral("-v")}) {
        const Outcome outcome = Type({version});
        EXPECT_EQ(outcome.exitCode, 0) << outcome;
        EXPECT_TRUE(QRegularExpression(QStringLiteral("^kelvaro \\d+\\.\\d+(\\.\\d+)*\\n$"))
                        .match(outcome.out)
                        .hasMatch())
            << outcome;
    }
}

TEST_F(CommandLineTest, EachCommandHasItsOwnHelp)
{
    struct Case {
        QStringList line;
        const char* usage;
    };
    const Case cases[] = {
        {{QStringLiteral("init-db"), QStringLiteral("--help")}, "init-db [--demo]"},
        {{QStringLiteral("render"), QStringLiteral("--serial"), QStringLiteral("1"),
          QStringLiteral("--help")},
         "render --serial SN (--week N"},
        {{QStringLiteral("export"), QStringLiteral("-h")}, "export --serial SN --out FILE.QDB"},
        {{QStringLiteral("import"), QStringLiteral("--help")}, "import --serial SN --in FILE.QDB"},
        {{QStringLiteral("backup"), QStringLiteral("--help")}, "backup [--mark]"},
        {{QStringLiteral("--home"), QStringLiteral("h"), QStringLiteral("compact"),
          QStringLiteral("--help")},
         "compact"},
    };
    for (const Case& c : cases) {
        const Outcome outcome = Type(c.line);
        EXPECT_EQ(outcome.exitCode, 0) << outcome;
        EXPECT_TRUE(outcome.out.startsWith(QStringLiteral("Usage: kelvaro [--home DIR] ") +
                                           QString::fromUtf8(c.usage)))
            << outcome;
    }
}

TEST_F(CommandLineTest, WrongLinePrintsUsageAndExitsTwo)
{
    struct Case {
        QStringList line;
        const char* says;
    };
    const Case cases[] = {
        {{QStringLiteral("--bogus")}, "bogus"},
        {{QStringLiteral("--home")}, "--home"},
        {{QStringLiteral("frobnicate")}, "unknown command frobnicate"},
        {{QStringLiteral("--home"), QStringLiteral("h"), QStringLiteral("Render")},
         "unknown command Render"},
    };
    for (const Case& c : cases) {
        const Outcome outcome = Type(c.line);
        EXPECT_EQ(outcome.exitCode, 2) << outcome;
        EXPECT_TRUE(outcome.err.contains(QString::fromUtf8(c.says))) << outcome;
        EXPECT_TRUE(outcome.err.contains(QStringLiteral("Usage: kelvaro"))) << outcome;
        EXPECT_TRUE(outcome.out.isEmpty()) << outcome;
    }
}

} // namespace
} // namespace kelvaro
