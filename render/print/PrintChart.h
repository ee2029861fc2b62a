#pragma once
#include "render/DrawChartPage.h"
#include "render/PageProgress.h"

#include <QString>

#include <vector>

class QPrinter;

namespace kelvaro
{

class ChartContent;

// Makes `name` the printer's printer when it is installed; an empty name keeps
// the current one. Otherwise the system's default printer (or, without one,
// the first installed). False when no printer is installed at all.
bool SelectChartPrinter(QPrinter& printer, const QString& name);

// Pages `first` to `last` of a chart, printed as one job or one job a page.
struct ChartPrintRun {
    int first = 1;
    int last = 1;
    bool oneJob = true;
    ChartPageSettings settings;
    QString title;
};

struct ChartPageFailure {
    int page = 0;
    QString reason;
};

struct ChartPrintOutcome {
    std::vector<ChartPageFailure> failures;
    bool cancelled = false;
};

// Draws each page at the whole-number scale of the printer's resolution onto the
// top-left corner of a sheet. A failure aborts the job it happened in; a failed
// one-job run ends there, a job-a-page run goes on with the next page.
ChartPrintOutcome PrintChartPages(QPrinter& printer, const ChartContent& chart,
                                  const ChartPrintRun& run,
                                  const ChartPrintProgress& progress = {});

// Paints the pages of a run onto the printer as its jobs would carry them, one
// sheet each, with no job of its own: what the print preview shows.
void PaintChartPages(QPrinter& printer, const ChartContent& chart, const ChartPrintRun& run);

} // namespace kelvaro
