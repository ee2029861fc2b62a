#include "render/print/PrintChart.h"

#include "render/PrintScale.h"
#include "render/print/PrintJob.h"

#include <QPrinter>
#include <QPrinterInfo>

namespace kelvaro
{

namespace
{

// All pages in one job, a new sheet between pages.
void PrintOneJob(QPrinter& printer, const ChartContent& chart, const ChartPrintRun& run,
                 const ChartPrintProgress& progress, ChartPrintOutcome& outcome)
{
    PrintJob job(printer);
    QString error;
    if (!job.Begin(run.title, &error)) {
        outcome.failures.push_back({run.first, error});
        return;
    }
    for (int page = run.first; page <= run.last; ++page) {
        if (!Continue(progress, page - run.first)) {
            outcome.cancelled = true;
            return; // the job aborts as it goes
        }
        if (page > run.first && !job.NewSheet(&error)) {
            outcome.failures.push_back({page, error});
            return;
        }
        DrawPrintedPage(job.Painter(), chart, page, run.settings);
    }
    if (!job.End(&error))
        outcome.failures.push_back({run.last, error});
}

void PrintJobPerPage(QPrinter& printer, const ChartContent& chart, const ChartPrintRun& run,
                     const ChartPrintProgress& progress, ChartPrintOutcome& outcome)
{
    for (int page = run.first; page <= run.last; ++page) {
        if (!Continue(progress, page - run.first)) {
            outcome.cancelled = true;
            return;
        }
        PrintJob job(printer);
        QString error;
        if (!job.Begin(run.title, &error)) {
            outcome.failures.push_back({page, error});
            continue;
        }
        DrawPrintedPage(job.Painter(), chart, page, run.settings);
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

void PaintChartPages(QPrinter& printer, const ChartContent& chart, const ChartPrintRun& run)
{
    UseWholeSheet(printer);
    QPainter painter(&printer);
    for (int page = run.first; page <= run.last; ++page) {
        if (page > run.first)
            printer.newPage();
        DrawPrintedPage(painter, chart, page, run.settings);
    }
}

ChartPrintOutcome PrintChartPages(QPrinter& printer, const ChartContent& chart,
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
