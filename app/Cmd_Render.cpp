#include "app/Commands.h"

#include "chart/PatientBaseInfo.h"
#include "chart/_temperaturedata.h"
#include "common/ConfigStore.h"
#include "common/ProgramHome.h"
#include "db/Dialect.h"
#include "db/HomeDatabase.h"
#include "db/SystemParameters.h"
#include "model/ChartTitle.h"
#include "render/DrawChartPage.h"
#include "render/WriteChartPdf.h"

#include <QElapsedTimer>
#include <QImageWriter>
#include <QSaveFile>
#include <QTextStream>

#include <csignal>
#include <memory>
#include <optional>

namespace kelvaro
{

namespace
{

struct RenderRequest {
    QString serial;
    std::optional<int> week; // none: every week
    QString out;
};

int Fail(const QString& message)
{
    QTextStream(stderr) << "kelvaro: " << message << "\n";
    return 1;
}

std::optional<int> WeekNumber(const QString& text)
{
    bool ok = false;
    const int week = text.toInt(&ok);
    return ok && week >= 1 ? std::optional<int>(week) : std::nullopt;
}

// "--serial SN (--week N | --all) --out FILE": a page to PNG, or all to PDF.
bool ParseRequest(const QStringList& args, RenderRequest& request, QString& error)
{
    bool all = false;
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString& name = args.at(i);
        if (name == u"--all" && !all) {
            all = true;
            continue;
        }
        QString* value = name == u"--serial" ? &request.serial
                         : name == u"--out"  ? &request.out
                                             : nullptr;
        if (name == u"--week" && !request.week) {
            request.week = i + 1 < args.size() ? WeekNumber(args.at(i + 1)) : std::nullopt;
            if (!request.week) {
                error = QStringLiteral("--week needs a week number of 1 or more");
                return false;
            }
            ++i;
            continue;
        }
        if (!value || !value->isEmpty() || i + 1 >= args.size() || args.at(i + 1).isEmpty()) {
            error = QStringLiteral("unexpected or incomplete argument %1").arg(name);
            return false;
        }
        *value = args.at(++i);
    }
    if (request.serial.isEmpty() || request.out.isEmpty() || all == request.week.has_value()) {
        error = QStringLiteral("give --serial SN, either --week N or --all, and --out FILE");
        return false;
    }
    const QString suffix = all ? QStringLiteral(".pdf") : QStringLiteral(".png");
    if (!request.out.endsWith(suffix, Qt::CaseInsensitive)) {
        error = QStringLiteral("the output file must end in %1").arg(suffix);
        return false;
    }
    return true;
}

int ConfigNumber(const QString& attribute)
{
    return ReadConfig(QStringLiteral("BaseConfig|Margin"), attribute).toInt();
}

int WritePage(const _TemperatureData& chart, int week, ChartPageSettings settings,
              const QString& file)
{
    settings.OffsetPage = false;
    QImage bitmap;
    DrawChartPage(bitmap, chart, week, settings);
    // Written aside and renamed into place: all or nothing, with the system's reason.
    QSaveFile out(file);
    const auto cannot = [&file](const QString& reason) {
        return Fail(QStringLiteral("cannot write %1: %2").arg(file, reason));
    };
    if (!out.open(QIODevice::WriteOnly))
        return cannot(out.errorString());
    QImageWriter writer(&out, "PNG");
    if (!writer.write(bitmap))
        return cannot(writer.errorString());
    return out.commit() ? 0 : cannot(out.errorString());
}

constexpr qint64 ProgressEveryMs = 1000;

volatile std::sig_atomic_t interrupted = 0;

void StopWriting(int)
{
    interrupted = 1;
}

// While a PDF is written, Ctrl+C (or a polite kill) stops it between two pages,
// so that the unfinished file is removed instead of left behind.
class InterruptStopsWriting
{
public:
    InterruptStopsWriting()
    {
        interrupted = 0;
        previousInt_ = std::signal(SIGINT, StopWriting);
        previousTerm_ = std::signal(SIGTERM, StopWriting);
    }
    ~InterruptStopsWriting()
    {
        std::signal(SIGINT, previousInt_);
        std::signal(SIGTERM, previousTerm_);
    }
    InterruptStopsWriting(const InterruptStopsWriting&) = delete;
    InterruptStopsWriting& operator=(const InterruptStopsWriting&) = delete;

private:
    void (*previousInt_)(int);
    void (*previousTerm_)(int);
};

// Tells the pages done on stderr once a second when the writing takes long;
// false once interrupted.
ChartPrintProgress ReportProgress(int pages)
{
    auto clock = std::make_shared<QElapsedTimer>();
    clock->start();
    auto lastReport = std::make_shared<qint64>(0);
    return [pages, clock, lastReport](int done) {
        if (clock->elapsed() - *lastReport >= ProgressEveryMs) {
            *lastReport = clock->elapsed();
            QTextStream(stderr) << "kelvaro: " << done << " of " << pages << " pages written\n";
        }
        return interrupted == 0;
    };
}

int WriteAllPages(const _TemperatureData& chart, ChartPageSettings settings, const QString& file)
{
    bool datesOk = true;
    const int pages = chart.WeekCount(&datesOk);
    if (!datesOk)
        return Fail(QStringLiteral("a day of the chart is not a date; nothing written"));
    if (pages <= 0)
        return Fail(QStringLiteral("没有发现体温单数据，不能打印!"));
    settings.OffsetPage = true;
    settings.Offset = ConfigNumber(QStringLiteral("Offset"));
    settings.TitleOffset = ConfigNumber(QStringLiteral("TitleOffset"));
    QString error;
    const InterruptStopsWriting interruptible;
    if (WriteChartPdf(chart, 1, pages, settings, file, &error, ReportProgress(pages)))
        return 0;
    if (interrupted)
        return Fail(QStringLiteral("interrupted; %1 not written").arg(file));
    return Fail(QStringLiteral("cannot write %1: %2").arg(file, error));
}

} // namespace

int RunRenderCommand(const QStringList& args)
{
    RenderRequest request;
    QString error;
    if (!ParseRequest(args, request, error))
        return Fail(error);
    Database db;
    if (!OpenHomeDatabase(db, &error))
        return Fail(QStringLiteral("连接数据库失败：") + error);
    _TemperatureData chart(&db);
    chart.DatabaseKind = InstalledDatabaseKind();
    chart.Title = ScrambledChartTitle(InstalledHospitalName());
    const QString patientId = FindContentIdBySerial(
        db, DialectForKind(chart.DatabaseKind).PatientSource, request.serial, &error);
    if (patientId.isEmpty() || !OpenPatientChart(db, chart, patientId, &error))
        return Fail(error);
    ChartPageSettings settings;
    settings.StartHour = ReadSystemParameters(db).StartHour;
    if (request.week)
        return WritePage(chart, *request.week, settings, request.out);
    return WriteAllPages(chart, settings, request.out);
}

} // namespace kelvaro
