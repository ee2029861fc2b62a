// A workstation killed in the middle of saving days, a few dozen times at
// random moments: after each kill the database passes its integrity check
// and the chart is the document of the last save reported or of the save then
// under way, with every earlier day and log entry in it.
#include "ChartFixture.h"
#include "helpers/SavedDays.h"

#include <QProcess>
#include <QRandomGenerator>
#include <QThread>

using namespace kelvaro;
using namespace kelvaro::test;

namespace
{

using KillDuringSaveTest = ChartTest;

// The number of the last save the killed saver reported stored.
int LastReported(QProcess& saver, int before)
{
    int last = before;
    for (const QByteArray& line : saver.readAllStandardOutput().split('\n')) {
        if (!line.isEmpty())
            last = line.toInt();
    }
    return last;
}

TEST_P(KillDuringSaveTest, ChartIsTheOldOrTheNewDocument)
{
    const QString file = fresh.dir() + QStringLiteral("/QMDB.mdb");
    QRandomGenerator random(QRandomGenerator::global()->generate());
    int reported = 0;
    for (int kill = 1; kill <= 30; ++kill) {
        QProcess saver;
        saver.start(QStringLiteral(KELVARO_DAY_SAVER), {file, patient});
        // Killed once it has stored at least one day, some milliseconds later.
        ASSERT_TRUE(saver.waitForReadyRead(20000)) << saver.readAllStandardError().toStdString();
        const int delay = int(random.bounded(40));
        QThread::msleep(ulong(delay));
        saver.kill();
        ASSERT_TRUE(saver.waitForFinished(20000));
        SCOPED_TRACE(QStringLiteral("kill %1, %2 ms after the first save of its run")
                         .arg(kill)
                         .arg(delay)
                         .toStdString());
        EXPECT_EQ(saver.exitStatus(), QProcess::CrashExit)
            << saver.readAllStandardError().toStdString();
        reported = LastReported(saver, reported);

        Rows check;
        ASSERT_TRUE(fresh.db().Select(QStringLiteral("PRAGMA integrity_check"), check));
        ASSERT_EQ(check.size(), 1u);
        EXPECT_EQ(check.front().at(0).toString(), QStringLiteral("ok"));
        auto chart = Open(fresh.db(), patient);
        ASSERT_TRUE(chart->LoadChart());
        const int last = LastSave(chart->Days);
        EXPECT_TRUE(last == reported || last == reported + 1)
            << "stored " << last << ", reported " << reported;
        EXPECT_EQ(chart->Days, ChartAfterSave(last));
        reported = last;
    }
}

// SQLite's file is what a killed process can leave half written.
INSTANTIATE_TEST_SUITE_P(Engines, KillDuringSaveTest, testing::Values(Engine::SQLite),
                         kelvaro::test::EngineName);

} // namespace
