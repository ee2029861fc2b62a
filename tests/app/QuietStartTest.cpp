#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace
{

// What a newcomer sees when he runs the program's commands in a shell
// without a desktop session: no Qt warnings about its runtime directory.
TEST(QuietStart, HeadlessCommandsWarnOfNothingWithoutARuntimeDirectory)
{
    QTemporaryDir work;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"XDG_RUNTIME_DIR", "QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"})
        environment.remove(QString::fromLatin1(name));
    const auto run = [&](const QStringList& arguments, QString& errors) {
        QProcess program;
        program.setProcessEnvironment(environment);
        program.setWorkingDirectory(work.path());
        program.start(QStringLiteral(KELVARO_PROGRAM), arguments);
        EXPECT_TRUE(program.waitForFinished(120000));
        errors = QString::fromLocal8Bit(program.readAllStandardError());
        return program.exitCode();
    };
    const struct {
        QStringList arguments;
        int status;
    } commands[] = {
        {{"--home", "ward", "init-db", "--demo"}, 0},
        {{"--home", "ward", "render", "--serial", "20240101", "--week", "1", "--out", "w1.png"}, 0},
        {{"--home", "ward", "no-such-command"}, 2},
    };
    for (const auto& [arguments, status] : commands) {
        SCOPED_TRACE(arguments.join(' ').toStdString());
        QString errors;
        EXPECT_EQ(run(arguments, errors), status) << errors.toStdString();
        EXPECT_FALSE(errors.contains(QStringLiteral("XDG_RUNTIME_DIR"))) << errors.toStdString();
        EXPECT_FALSE(errors.contains(QStringLiteral("QStandardPaths"))) << errors.toStdString();
    }
    EXPECT_TRUE(QFile::exists(work.filePath(QStringLiteral("ward/w1.png"))) ||
                QFile::exists(work.filePath(QStringLiteral("w1.png"))));
}

} // namespace
