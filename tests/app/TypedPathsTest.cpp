#include "ShellFixture.h"

#include <QFile>
#include <QFileInfo>

namespace kelvaro
{
namespace
{

using test::Outcome;

// Files named on the command line are where the shell's user means them, not
// in the program home; a write that fails says why.
class TypedPaths : public test::ShellTest
{
protected:
    void SetUp() override
    {
        ASSERT_NO_FATAL_FAILURE(InitHome({QStringLiteral("--demo")}));
        ASSERT_TRUE(QDir(shell.path()).mkpath(QStringLiteral("out")));
        ASSERT_TRUE(QDir(shell.path()).mkpath(QStringLiteral("h/out")));
    }

    Outcome OnDemoPatient(const QString& command, const QStringList& args)
    {
        return Type(QStringList{QStringLiteral("--home"), QStringLiteral("h"), command,
                                QStringLiteral("--serial"), QStringLiteral("20240101")} +
                    args);
    }
};

TEST_F(TypedPaths, OutputAndInputAreRelativeToTheShell)
{
    const Outcome page = OnDemoPatient(QStringLiteral("render"),
                                       {QStringLiteral("--week"), QStringLiteral("1"),
                                        QStringLiteral("--out"), QStringLiteral("out/x.png")});
    EXPECT_EQ(page.exitCode, 0) << page;
    EXPECT_GT(QFileInfo(Path(QStringLiteral("out/x.png"))).size(), 0);
    EXPECT_FALSE(QFileInfo::exists(Path(QStringLiteral("h/out/x.png"))));

    const Outcome exported = OnDemoPatient(
        QStringLiteral("export"), {QStringLiteral("--out"), QStringLiteral("out/chart.QDB")});
    EXPECT_EQ(exported.exitCode, 0) << exported;
    EXPECT_GT(QFileInfo(Path(QStringLiteral("out/chart.QDB"))).size(), 0);
    EXPECT_FALSE(QFileInfo::exists(Path(QStringLiteral("h/out/chart.QDB"))));

    const Outcome imported = OnDemoPatient(
        QStringLiteral("import"), {QStringLiteral("--in"), QStringLiteral("out/chart.QDB")});
    EXPECT_EQ(imported.exitCode, 0) << imported;
}

TEST_F(TypedPaths, FailedWritesGiveTheSystemsReason)
{
    struct Case {
        const char* command;
        QStringList args;
    };
    const Case cases[] = {
        {"render",
         {QStringLiteral("--week"), QStringLiteral("1"), QStringLiteral("--out"),
          QStringLiteral("missing/x.png")}},
        {"export", {QStringLiteral("--out"), QStringLiteral("missing/chart.QDB")}},
    };
    // The system's reason in the program's language, as Qt words it.
    QFile missing(Path(QStringLiteral("missing/probe")));
    ASSERT_FALSE(missing.open(QIODevice::WriteOnly));
    const QString reason = missing.errorString();
    for (const Case& c : cases) {
        const Outcome outcome = OnDemoPatient(QString::fromUtf8(c.command), c.args);
        EXPECT_EQ(outcome.exitCode, 1) << outcome;
        EXPECT_TRUE(outcome.err.contains(Path(QStringLiteral("missing/")))) << outcome;
        EXPECT_TRUE(outcome.err.contains(reason)) << outcome;
    }
    EXPECT_FALSE(QFileInfo::exists(Path(QStringLiteral("missing"))));
}

} // namespace
} // namespace kelvaro
