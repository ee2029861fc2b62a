// Memory of a long chart: writes the chart file of an eight-year stay with
// every slot measured, imports it with the headless command, shows one week of
// it with the headless render, and prints the peak memory of each process as
// `time -v` reports it (maximum resident set size). SQLite home.
//
//   chart_memory [--days N] [--keep]
//
// --days: the stay's length (default 2922, eight years); --keep: the program
// home with the chart file stays, for a closer look with heaptrack.
#include "common/ContentId.h"
#include "common/ProgramHome.h"
#include "db/Dialect.h"
#include "db/InitDb.h"
#include "model/ChartDocument.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTextStream>

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <vector>

using namespace kelvaro;

namespace
{

QTextStream out(stdout);

const QDate admission(2015, 1, 1);
const QString serialNumber = QStringLiteral("800001");
constexpr int eightYears = 2922; // days

// A day as a long stay fills it: every slot measured, the daily rows written,
// an event now and then, one log entry.
TemperatureData FullDay(int index)
{
    TemperatureData day;
    day.Date = admission.addDays(index).toString(QStringLiteral("yyyy-MM-dd"));
    for (int slot = 0; slot < SlotCount; ++slot) {
        const int wave = (index * 7 + slot * 3) % 19;
        day.YB[slot] = QString::number(36.2 + wave / 10.0, 'f', 1);
        day.MB[slot] = QString::number(68 + wave * 2);
        day.XL[slot] = QString::number(70 + wave * 2);
        day.HX[slot] = QString::number(16 + wave % 6);
        day.HXJ[slot] = QStringLiteral("FALSE");
    }
    if (index % 30 == 0) {
        day.Event[1] = QStringLiteral("手术");
        day.EventTime[1] = QStringLiteral("09:30");
    }
    day.XY1 = QStringLiteral("%1/%2").arg(110 + index % 20).arg(70 + index % 12);
    day.XY2 = QStringLiteral("%1/%2").arg(115 + index % 18).arg(72 + index % 10);
    day.TZ = QString::number(60 + index % 9 * 0.5, 'f', 1);
    day.DBCS = QStringLiteral("1");
    day.RL = QString::number(1500 + index % 8 * 100);
    day.CL = QString::number(1300 + index % 7 * 100);
    day.OperationLog.push_back(
        {QStringLiteral("1"), day.Date + QStringLiteral(" 08:00:00"), QStringLiteral("nurse1")});
    return day;
}

bool MakeHome(const QString& patientId)
{
    InitDbOptions options;
    options.databaseKind = QStringLiteral("Access");
    options.hospitalName = QStringLiteral("测试医院");
    Database db;
    QString error;
    if (!InitDatabase(options, db, &error)) {
        out << "init-db failed: " << error << "\n";
        return false;
    }
    const QString insert =
        QStringLiteral("insert into tblInPatientInfo(ContentID,SerialNumber,Name,Sex,Age,AgeUnit,"
                       "InHospitalSection,BedNo,InHospitalDate,CurrentStatus) values('%1','%2',"
                       "'长住','男','70','岁','内科','8',%3,1)")
            .arg(patientId, serialNumber,
                 DateTimeLiteral(DialectForKind(options.databaseKind),
                                 QDateTime(admission, QTime(8, 0))));
    if (db.Exec(insert, &error))
        return true;
    out << "insert failed: " << error << "\n";
    return false;
}

qint64 WriteChartFile(const QString& path, const QString& patientId, int days)
{
    TemperatureDataMap chart;
    for (int i = 0; i < days; ++i) {
        TemperatureData day = FullDay(i);
        const QString key = day.Date;
        chart.emplace(key, std::move(day));
    }
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return -1;
    return file.write(DocumentWriter(patientId, serialNumber, chart));
}

struct Run {
    bool ok = false;
    double seconds = 0;
    double peakMiB = 0;
};

// The program's own messages would break up the figures.
void Silenced()
{
    const int null = open("/dev/null", O_WRONLY);
    dup2(null, STDOUT_FILENO);
    dup2(null, STDERR_FILENO);
}

// Runs the program as a child and reads its peak from the kernel's accounting.
Run RunProgram(const QStringList& args)
{
    std::vector<QByteArray> words{QByteArray(KELVARO_EXECUTABLE)};
    for (const QString& arg : args)
        words.push_back(arg.toLocal8Bit());
    std::vector<char*> argv;
    for (QByteArray& word : words)
        argv.push_back(word.data());
    argv.push_back(nullptr);
    QElapsedTimer timer;
    timer.start();
    const pid_t child = fork();
    if (child == 0) {
        Silenced();
        execv(argv.front(), argv.data());
        _exit(127);
    }
    int status = 0;
    rusage usage{};
    Run run;
    if (child < 0 || wait4(child, &status, 0, &usage) != child)
        return run;
    run.ok = WIFEXITED(status) && WEXITSTATUS(status) == 0;
    run.seconds = double(timer.elapsed()) / 1000.0;
    run.peakMiB = double(usage.ru_maxrss) / 1024.0; // KiB on Linux
    return run;
}

int DayCount(const QStringList& args)
{
    const qsizetype at = args.indexOf(QStringLiteral("--days"));
    return at >= 0 && at + 1 < args.size() ? args.at(at + 1).toInt() : eightYears;
}

void Report(const char* what, const Run& run)
{
    out << QStringLiteral("%1: %2 MiB, %3 s%4\n")
               .arg(QLatin1String(what))
               .arg(run.peakMiB, 0, 'f', 1)
               .arg(run.seconds, 0, 'f', 2)
               .arg(run.ok ? QString() : QStringLiteral(" (FAILED)"));
    out.flush();
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QTemporaryDir home;
    home.setAutoRemove(!app.arguments().contains(QStringLiteral("--keep")));
    if (!EnterProgramHome(home.path()))
        return 1;
    const QString patientId = NewContentID();
    const int days = DayCount(app.arguments());
    if (!MakeHome(patientId))
        return 1;
    const QString file = home.filePath(QStringLiteral("long.QDB"));
    const qint64 bytes = WriteChartFile(file, patientId, days);
    if (bytes < 0)
        return 1;
    out << QStringLiteral("%1 days, %2 MiB chart file %3\n")
               .arg(days)
               .arg(bytes / 1048576.0, 0, 'f', 1)
               .arg(file);
    out.flush();

    const QStringList inHome{QStringLiteral("--home"), home.path()};
    const Run import =
        RunProgram(inHome + QStringList{QStringLiteral("import"), QStringLiteral("--serial"),
                                        serialNumber, QStringLiteral("--in"), file});
    const QString chart = days == eightYears ? QStringLiteral("8-year chart")
                                             : QStringLiteral("%1-day chart").arg(days);
    out << QStringLiteral("%1 peak: %2 MiB\n").arg(chart).arg(import.peakMiB, 0, 'f', 1);
    Report("import", import);
    const QString lastWeek = QString::number((days + 6) / 7);
    Report("one week shown",
           RunProgram(inHome + QStringList{QStringLiteral("render"), QStringLiteral("--serial"),
                                           serialNumber, QStringLiteral("--week"), lastWeek,
                                           QStringLiteral("--out"),
                                           home.filePath(QStringLiteral("week.png"))}));
    return import.ok ? 0 : 1;
}
