#pragma once
// Runs the real program as a shell user does: typed in a directory of the
// test's own, with paths relative to it.
#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace kelvaro::test
{

struct Outcome {
    int exitCode = -1;
    QString out;
    QString err;
};

inline std::ostream& operator<<(std::ostream& os, const Outcome& o)
{
    return os << "exit " << o.exitCode << "\nstdout: " << o.out.toStdString()
              << "\nstderr: " << o.err.toStdString();
}

class ShellTest : public testing::Test
{
protected:
    // `kelvaro args…` typed in the shell's directory; no home comes from the environment.
    Outcome Type(const QStringList& args)
    {
        QProcess process;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.remove(QStringLiteral("KELVARO_HOME"));
        env.insert(QStringLiteral("XDG_DATA_HOME"), Path(QStringLiteral("xdg")));
        process.setProcessEnvironment(env);
        process.setWorkingDirectory(shell.path());
        process.start(QStringLiteral(KELVARO_PROGRAM), args);
        Outcome outcome;
        if (!process.waitForFinished(120000) || process.exitStatus() != QProcess::NormalExit)
            return outcome;
        outcome.exitCode = process.exitCode();
        outcome.out = QString::fromUtf8(process.readAllStandardOutput());
        outcome.err = QString::fromUtf8(process.readAllStandardError());
        return outcome;
    }

    // An installation in "h" below the shell's directory, made by init-db.
    void InitHome(const QStringList& options = {})
    {
        const Outcome made = Type(
            QStringList{QStringLiteral("--home"), QStringLiteral("h"), QStringLiteral("init-db"),
                        QStringLiteral("--admin-password"), QStringLiteral("pw")} +
            options);
        ASSERT_EQ(made.exitCode, 0) << made;
    }

    QString Path(const QString& relative) const { return shell.filePath(relative); }

    QTemporaryDir shell;
};

} // namespace kelvaro::test
