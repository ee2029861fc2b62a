// Prints the time to draw a chart page in which every slot and every row
// holds a value, and to write a year's chart (52 weeks) to PDF as printed.
#include "chart/_temperaturedata.h"
#include "common/Scramble.h"
#include "render/DrawChartPage.h"
#include "render/WriteChartPdf.h"

#include <QApplication>
#include <QDate>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTextStream>

using namespace kelvaro;

namespace
{

constexpr int Days = 52 * 7;
constexpr int PageRuns = 200;

TemperatureData FullDay(const QDate& date, int n)
{
    TemperatureData day;
    day.Date = date.toString(QStringLiteral("yyyy-MM-dd"));
    for (int s = 0; s < SlotCount; ++s) {
        const int i = n * SlotCount + s;
        day.KB[s] = QString::number(365 + i % 9 * 2 / 10.0, 'f', 1);
        day.YB[s] = QString::number(36.0 + i % 13 * 0.2, 'f', 1);
        day.GB[s] = QString::number(37.0 + i % 7 * 0.3, 'f', 1);
        day.MB[s] = QString::number(70 + i % 11 * 3);
        day.XL[s] = QString::number(72 + i % 11 * 3);
        day.HX[s] = QString::number(16 + i % 6);
        day.WLJW[s] = QString::number(36.8 + i % 3 * 0.1, 'f', 1);
        day.Event[s] = QStringLiteral("转入");
        day.EventTime[s] = QStringLiteral("%1:15").arg((2 + 4 * s) % 24, 2, 10, QLatin1Char('0'));
        day.Memo[s] = QStringLiteral("不升");
        day.HXJ[s] = QStringLiteral("TRUE");
    }
    day.SHTS = QString::number(n + 1);
    day.XY1 = QStringLiteral("120/80");
    day.XY2 = QStringLiteral("130/85");
    day.TZ = QStringLiteral("65");
    day.DBCS = QStringLiteral("1/E");
    day.XBCS = QStringLiteral("6");
    day.RL = QStringLiteral("1500");
    day.CL = QStringLiteral("1300");
    day.GMYW = QStringLiteral("青霉素");
    return day;
}

void FillChart(_TemperatureData& chart)
{
    chart.PatientID = QStringLiteral("BENCH");
    chart.SerialNumber = QStringLiteral("2015001");
    chart.Name = QStringLiteral("张三");
    chart.Title = Scramble(QStringLiteral("示例医院体温单"));
    chart.InHospitalDate = QStringLiteral("2015-03-01");
    const QDate first(2015, 3, 1);
    for (int n = 0; n < Days; ++n) {
        TemperatureData day = FullDay(first.addDays(n), n);
        chart.Days.emplace(day.Date, day);
    }
}

} // namespace

int main(int argc, char* argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    _TemperatureData chart(nullptr);
    FillChart(chart);
    QTextStream out(stdout);

    QImage bitmap;
    DrawChartPage(bitmap, chart, 1, {}); // fonts and caches warm up
    QElapsedTimer timer;
    timer.start();
    for (int run = 0; run < PageRuns; ++run)
        DrawChartPage(bitmap, chart, 1 + run % 52, {});
    out << "draw one full week: " << double(timer.nsecsElapsed()) / PageRuns / 1e6 << " ms\n";

    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("chart.pdf"));
    timer.restart();
    const bool written = WriteChartPdf(chart, chart.WeekCount(), {2, 40, 10, true}, file);
    const qint64 elapsed = timer.elapsed();
    out << chart.WeekCount() << "-page PDF: " << elapsed << " ms" << (written ? "" : " (failed)")
        << "\n";
    out << chart.WeekCount()
        << "-page PDF size: " << QString::number(QFileInfo(file).size() / 1e6, 'f', 2) << " MB\n";
    return written ? 0 : 1;
}
