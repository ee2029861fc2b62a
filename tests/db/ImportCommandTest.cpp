// The headless import as a shell user runs it: from another directory, the
// program home given by a relative path, reading exit status and messages.
#include "ChartFixture.h"

#include <QDir>
#include <QProcess>

using namespace kelvaro;

namespace
{

using ImportCommandTest = kelvaro::test::ChartTest;

TEST_P(ImportCommandTest, FileBeyondAnyStayIsRefusedWithItsReason)
{
    auto chart = Open(fresh.db(), patient);
    ASSERT_TRUE(chart->LoadChart());
    chart->Days[QStringLiteral("2015-03-07")] =
        kelvaro::test::SampleDay(QStringLiteral("2015-03-07"), {});
    ASSERT_TRUE(chart->SaveChart());
    const QByteArray stored = chart->GetDocumentText();
    QDir above(fresh.dir());
    ASSERT_TRUE(above.cdUp());

    for (const auto& file : kelvaro::test::OversizedChartFiles(fresh.dir(), patient)) {
        QProcess kelvaro;
        kelvaro.setWorkingDirectory(above.path());
        kelvaro.start(QStringLiteral(KELVARO_EXECUTABLE),
                      {QStringLiteral("--home"), QDir(fresh.dir()).dirName(),
                       QStringLiteral("import"), QStringLiteral("--serial"), QStringLiteral("A100"),
                       QStringLiteral("--in"), file.path});
        ASSERT_TRUE(kelvaro.waitForFinished(60000)) << file.what;
        const QString error = QString::fromUtf8(kelvaro.readAllStandardError());
        EXPECT_EQ(kelvaro.exitStatus(), QProcess::NormalExit) << file.what;
        EXPECT_EQ(kelvaro.exitCode(), 1) << file.what;
        EXPECT_TRUE(error.contains(file.reason)) << error.toStdString();
        EXPECT_TRUE(kelvaro.readAllStandardOutput().isEmpty()) << file.what;
        EXPECT_EQ(ChartRows(patient).front().bytes(QStringLiteral("BodyTempData")), stored)
            << file.what;
    }
}

// The command works on the home's own database, the SQLite file.
INSTANTIATE_TEST_SUITE_P(Engines, ImportCommandTest, testing::Values(Engine::SQLite),
                         kelvaro::test::EngineName);

} // namespace
