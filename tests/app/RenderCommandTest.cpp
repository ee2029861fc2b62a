// The render command as a shell user runs it: from a directory of their own.
#include "chart/PatientBaseInfo.h"
#include "chart/_temperaturedata.h"
#include "db/Database.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <signal.h>

namespace kelvaro
{
namespace
{

class RenderCommand : public testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(work.isValid());
        ASSERT_TRUE(QDir(work.path()).mkdir(QStringLiteral("out")));
        ASSERT_EQ(Kelvaro({"--home", "home", "init-db", "--demo"})->exitCode(), 0);
    }

    // Runs the program to its end in the work directory.
    std::unique_ptr<QProcess> Kelvaro(const QStringList& arguments)
    {
        auto process = Start(arguments);
        process->waitForFinished(120000);
        return process;
    }

    std::unique_ptr<QProcess> Start(const QStringList& arguments)
    {
        auto process = std::make_unique<QProcess>();
        process->setWorkingDirectory(work.path());
        process->start(QCoreApplication::applicationDirPath() + QStringLiteral("/../kelvaro"),
                       arguments);
        EXPECT_TRUE(process->waitForStarted());
        return process;
    }

    // A day typed a century off beside the stay of the first demo patient.
    void AddFarOffDay()
    {
        Database db;
        ConnectionSettings file;
        file.file = work.filePath(QStringLiteral("home/QMDB.mdb"));
        ASSERT_TRUE(db.Open(file));
        _TemperatureData chart(&db);
        chart.DatabaseKind = QStringLiteral("Access");
        const QString id = FindContentIdBySerial(db, QStringLiteral("tblInPatientInfo"), Serial);
        ASSERT_TRUE(OpenPatientChart(db, chart, id));
        chart.Days["1900-01-01"].Date = QStringLiteral("1900-01-01");
        chart.Days["1900-01-01"].KB[0] = QStringLiteral("37.0");
        ASSERT_TRUE(chart.SaveChart());
    }

    // The files in the output directory, and the output file there.
    QStringList OutFiles() const
    {
        return QDir(work.filePath(QStringLiteral("out"))).entryList(QDir::Files);
    }
    QString OutFile() const { return work.filePath(QStringLiteral("out/chart.pdf")); }

    const QString Serial = QStringLiteral("20240101");
    QTemporaryDir work;
};

// Thousands of pages take long: the command says how far it is on stderr, and
// Ctrl+C stops it with nothing written, no partial file left.
TEST_F(RenderCommand, InterruptedLongRunReportsProgressAndLeavesNoFile)
{
    AddFarOffDay();
    const auto run =
        Start({"--home", "home", "render", "--serial", Serial, "--all", "--out", OutFile()});
    QByteArray said;
    const QDeadlineTimer patience(60000);
    while (!said.contains("pages written") && !patience.hasExpired() &&
           run->state() == QProcess::Running) {
        run->waitForReadyRead(200);
        said += run->readAllStandardError();
    }
    EXPECT_TRUE(said.contains("pages written")) << said.toStdString();
    ASSERT_EQ(run->state(), QProcess::Running);
    ::kill(pid_t(run->processId()), SIGINT);
    ASSERT_TRUE(run->waitForFinished(60000));
    said += run->readAllStandardError();
    EXPECT_EQ(run->exitStatus(), QProcess::NormalExit);
    EXPECT_NE(run->exitCode(), 0);
    EXPECT_TRUE(said.contains("interrupted")) << said.toStdString();
    EXPECT_TRUE(OutFiles().isEmpty()) << OutFiles().join(' ').toStdString();
}

} // namespace
} // namespace kelvaro
