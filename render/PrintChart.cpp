#include "render/PrintChart.h"

#include "render/PrintBitmap.h"
#include "render/PrintJob.h"

#include <QPrinter>
#include <QPrinterInfo>

namespace kelvaro
{

namespace
{

void PrintPage(PrintJob& job, const QImage& page)
{
    const int scale = PrintScale(job.Painter().device()->logicalDpiX());
    PrintBitmap(job.Painter(), page, 0, 0, scale, scale);
}

bool Continue(const ChartPrintProgress& progress, int pagesDone)
{
    return !progress || progress(pagesDone);
}

// All pages in one job, a new sheet between pages.
void PrintOneJob(QPrinter& printer, const _TemperatureData& chart, const ChartPrintRun& run,
                 const ChartPrintProgress& progress, ChartPrintOutcome& outcome)
{
    PrintJob job(printer);
    QString error;
    if (!job.Begin(run.title, &error)) {
        outcome.failures.push_back({run.first, error});
        return;
    }
    QImage bitmap;
    for (int page = run.first; page <= run.last; ++page) {
        if (!Continue(progress, page - run.first)) {
            outcome.cancelled = true;
            return; // the job aborts as it goes
        }
        if (page > run.first && !job.NewSheet(&error)) {
            outcome.failures.push_back({page, error});
            return;
        }
        DrawChartPage(bitmap, chart, page, run.settings);
        PrintPage(job, bitmap);
    }
    if (!job.End(&error))
        outcome.failures.push_back({run.last, error});
}

void PrintJobPerPage(QPrinter& printer, const _TemperatureData& chart, const ChartPrintRun& run,
                     const ChartPrintProgress& progress, ChartPrintOutcome& outcome)
{
    QImage bitmap;
    for (int page = run.first; page <= run.last; ++page) {
        if (!Continue(progress, page - run.first)) {
            outcome.cancelled = true;
            return;
        }
        DrawChartPage(bitmap, chart, page, run.settings);
        PrintJob job(printer);
        QString error;
        if (!job.Begin(run.title, &error)) {
            outcome.failures.push_back({page, error});
            continue;
        }
        PrintPage(job, bitmap);
        if (!job.End(&error))
            outcome.failures.push_back({page, error});
    }
}

} // namespace

bool SelectChartPrinter(QPrinter& printer, const QString& name)
{
    const QStringList installed = QPrinterInfo::availablePrinterNames();
    if (installed.isEmpty())
        return false;
    QString chosen = name.isEmpty() ? printer.printerName() : name;
    if (!installed.contains(chosen))
        chosen = QPrinterInfo::defaultPrinterName();
    if (!installed.contains(chosen))
        chosen = installed.front();
    printer.setPrinterName(chosen);
    return true;
}

ChartPrintOutcome PrintChartPages(QPrinter& printer, const _TemperatureData& chart,
                                  const ChartPrintRun& run, const ChartPrintProgress& progress)
{
    ChartPrintOutcome outcome;
    if (run.oneJob)
        PrintOneJob(printer, chart, run, progress, outcome);
    else
        PrintJobPerPage(printer, chart, run, progress, outcome);
    if (!outcome.cancelled && progress)
        progress(run.last - run.first + 1);
    return outcome;
}

} // namespace kelvaro
