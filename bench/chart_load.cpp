// Loading a long chart in a large database: builds a database of many patients
// with two-week charts plus one patient with a 365-day chart, and prints how
// long the header and chart load and a day-level save of that patient take,
// against the same load in a database of 100 patients. SQLite always;
// PostgreSQL too when the KELVARO_TEST_PG_* variables name a server.
//
//   chart_load [--patients N]   (default 100000)
#include "chart/DaySave.h"
#include "chart/PatientBaseInfo.h"
#include "chart/_temperaturedata.h"
#include "common/CodePage.h"
#include "common/ContentId.h"
#include "common/ProgramHome.h"
#include "db/Dialect.h"
#include "db/Schema.h"
#include "model/ChartDocument.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTextStream>

#include <algorithm>
#include <functional>
#include <optional>
#include <vector>

using namespace kelvaro;

namespace
{

QTextStream out(stdout);

const QDate admission(2015, 1, 1);

TemperatureData Day(const QDate& date)
{
    TemperatureData day;
    day.Date = date.toString(QStringLiteral("yyyy-MM-dd"));
    for (int slot = 0; slot < SlotCount; ++slot) {
        day.YB[slot] = QStringLiteral("36.%1").arg(slot + 3);
        day.MB[slot] = QStringLiteral("8%1").arg(slot);
        day.HX[slot] = QStringLiteral("18");
        day.EventTime[slot] = day.EventTime2[slot] = QStringLiteral("%1:00").arg(slot * 4 + 2);
        day.HXJ[slot] = QStringLiteral("FALSE");
    }
    day.XY1 = QStringLiteral("120/80");
    day.DBCS = QStringLiteral("1");
    day.OperationLog.push_back(
        {QStringLiteral("1"), day.Date + QStringLiteral(" 08:00:00"), QStringLiteral("nurse1")});
    return day;
}

TemperatureDataMap Days(int count)
{
    TemperatureDataMap days;
    for (int i = 0; i < count; ++i) {
        const TemperatureData day = Day(admission.addDays(i));
        days.emplace(day.Date, day);
    }
    return days;
}

// The two-week chart of every other patient, written once: only the root
// line differs from patient to patient.
class TwoWeekChart
{
public:
    TwoWeekChart()
    {
        const QByteArray whole = DocumentWriter(QStringLiteral("P"), QStringLiteral("S"), Days(14));
        days_ = whole.mid(RootEnd(EmptyDocument(QStringLiteral("P"), QStringLiteral("S"))));
    }
    QByteArray For(const QString& patientId, const QString& serialNumber) const
    {
        const QByteArray empty = EmptyDocument(patientId, serialNumber);
        return empty.left(RootEnd(empty)) + days_;
    }

private:
    static qsizetype RootEnd(const QByteArray& emptyDocument)
    {
        return emptyDocument.lastIndexOf('\n');
    }
    QByteArray days_;
};

bool Run(Database& db, const QString& sql)
{
    QString error;
    if (db.Exec(sql, &error))
        return true;
    out << "failed: " << error << "\n";
    return false;
}

bool AddPatient(Database& db, const Dialect& dialect, const QString& id, const QString& serial,
                const QByteArray& document)
{
    const QString admitted =
        DateTimeLiteral(dialect, QDateTime(admission, QTime(8, 0)).addSecs(serial.toInt() % 997));
    return Run(db, QStringLiteral("insert into tblInPatientInfo(ContentID,SerialNumber,Name,Sex,"
                                  "Age,AgeUnit,InHospitalSection,BedNo,InHospitalDate,"
                                  "CurrentStatus) values('%1','%2','病人%2','男','50','岁',"
                                  "'内科','%3',%4,1)")
                       .arg(id, serial, QString::number(serial.toInt() % 60), admitted)) &&
           Run(db, QStringLiteral("insert into tblFebriloInfo(PatientID,BodyTempData,CreateDate,"
                                  "Operator) values('%1','%2',%3,'nurse1')")
                       .arg(id, Quoted(FromCodePage(document)), admitted));
}

// `count` patients with two-week charts, in transactions of a thousand.
bool AddPatients(Database& db, const QString& kind, int count)
{
    const Dialect dialect = DialectForKind(kind);
    const TwoWeekChart chart;
    for (int first = 0; first < count; first += 1000) {
        if (!db.Transaction())
            return false;
        for (int i = first; i < std::min(count, first + 1000); ++i) {
            const QString id = NewContentID();
            const QString serial = QString::number(100000 + i);
            if (!AddPatient(db, dialect, id, serial, chart.For(id, serial)))
                return false;
        }
        if (!db.Commit())
            return false;
    }
    return true;
}

QString AddLongChart(Database& db, const QString& kind)
{
    const QString id = NewContentID();
    const QString serial = QStringLiteral("900000");
    if (!AddPatient(db, DialectForKind(kind), id, serial, DocumentWriter(id, serial, Days(365))))
        return QString();
    return id;
}

double MedianMs(int runs, const std::function<void()>& action)
{
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        QElapsedTimer timer;
        timer.start();
        action();
        times.push_back(double(timer.nsecsElapsed()) / 1e6);
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

struct Figures {
    double load = 0, save = 0;
    bool ok = false;
};

// Opens the chart the way the chart view does: header, then chart.
Figures Measure(Database& db, const QString& kind, const QString& patientId)
{
    _TemperatureData chart(&db);
    chart.DatabaseKind = kind;
    chart.Operator = QStringLiteral("nurse1");
    Figures figures;
    figures.ok = true;
    figures.load = MedianMs(21, [&] {
        chart.PatientID = patientId;
        figures.ok &= ReadPatientBaseInfo(db, DialectForKind(kind).PatientSource, chart) &&
                      chart.LoadChart() && chart.Days.size() == 365;
    });
    int day = 0;
    figures.save = MedianMs(11, [&] {
        figures.ok &=
            SaveDay(db, chart, Day(admission.addDays(day++ * 7)), QStringLiteral("nurse2")).stored;
    });
    return figures;
}

// A fresh, empty database with the program's tables on `engine`.
class BenchDatabase
{
public:
    explicit BenchDatabase(Engine engine) : engine_(engine) {}
    ~BenchDatabase()
    {
        db.Close();
        if (!serverName_.isEmpty()) {
            Database admin;
            if (admin.Open(server_))
                admin.Exec(
                    QStringLiteral("drop database if exists %1 with (force)").arg(serverName_));
        }
    }
    bool Create(const QString& name)
    {
        ConnectionSettings settings;
        settings.engine = engine_;
        settings.createFile = true;
        settings.file = dir_.filePath(name + QStringLiteral(".mdb"));
        if (engine_ == Engine::PostgreSQL) {
            Database admin;
            serverName_ = QStringLiteral("kelvaro_bench_%1_%2")
                              .arg(QCoreApplication::applicationPid())
                              .arg(name);
            if (!ServerSettings(server_) || !admin.Open(server_) ||
                !Run(admin, QStringLiteral("create database %1").arg(serverName_)))
                return false;
            settings = server_;
            settings.DBName = serverName_;
        }
        QString error;
        if (db.Open(settings, &error) && CreateSchema(db, &error))
            return true;
        out << "cannot make the database: " << error << "\n";
        return false;
    }
    QString kind() const
    {
        return engine_ == Engine::PostgreSQL ? QStringLiteral("PostgreSQL")
                                             : QStringLiteral("Access");
    }
    static bool ServerSettings(ConnectionSettings& settings)
    {
        const auto env = [](const char* name) { return qEnvironmentVariable(name); };
        if (env("KELVARO_TEST_PG_HOST").isEmpty())
            return false;
        settings.engine = Engine::PostgreSQL;
        const QString port = env("KELVARO_TEST_PG_PORT");
        settings.ServerName =
            env("KELVARO_TEST_PG_HOST") + (port.isEmpty() ? QString() : QStringLiteral(":") + port);
        settings.DBUser = env("KELVARO_TEST_PG_USER");
        settings.DBPassword = env("KELVARO_TEST_PG_PASSWORD");
        settings.DBName = env("KELVARO_TEST_PG_DB");
        return true;
    }

    Database db;

private:
    Engine engine_;
    QTemporaryDir dir_;
    ConnectionSettings server_;
    QString serverName_;
};

std::optional<Figures> MeasureIn(Engine engine, const QString& name, int patients)
{
    BenchDatabase bench(engine);
    if (!bench.Create(name))
        return std::nullopt;
    QElapsedTimer timer;
    timer.start();
    if (!AddPatients(bench.db, bench.kind(), patients))
        return std::nullopt;
    const QString patientId = AddLongChart(bench.db, bench.kind());
    if (patientId.isEmpty())
        return std::nullopt;
    out << "  " << patients << " patients built in " << timer.elapsed() / 1000.0 << " s\n";
    out.flush();
    const Figures figures = Measure(bench.db, bench.kind(), patientId);
    if (!figures.ok)
        out << "  the 365-day chart did not load or save completely\n";
    return figures;
}

void Report(Engine engine, int patients)
{
    out << (engine == Engine::SQLite ? "SQLite" : "PostgreSQL") << "\n";
    const std::optional<Figures> small = MeasureIn(engine, QStringLiteral("small"), 100);
    const std::optional<Figures> large = MeasureIn(engine, QStringLiteral("large"), patients);
    if (!small || !large)
        return;
    out << QStringLiteral("  365-day chart, header and chart load: %1 ms (aim: under 20 ms)\n")
               .arg(large->load, 0, 'f', 2);
    out << QStringLiteral("  day-level save to it: %1 ms\n").arg(large->save, 0, 'f', 2);
    out << QStringLiteral("  same load among 100 patients: %1 ms; large / small = %2 (aim: at "
                          "most 1.5)\n")
               .arg(small->load, 0, 'f', 2)
               .arg(large->load / small->load, 0, 'f', 2);
    out.flush();
}

int PatientCount(const QStringList& args)
{
    const qsizetype at = args.indexOf(QStringLiteral("--patients"));
    return at >= 0 && at + 1 < args.size() ? args.at(at + 1).toInt() : 100000;
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QTemporaryDir home;
    EnterProgramHome(home.path()); // the error log of failed operations
    const int patients = PatientCount(app.arguments());
    Report(Engine::SQLite, patients);
    ConnectionSettings server;
    if (BenchDatabase::ServerSettings(server))
        Report(Engine::PostgreSQL, patients);
    else
        out << "PostgreSQL: skipped (KELVARO_TEST_PG_HOST is not set)\n";
    return 0;
}
