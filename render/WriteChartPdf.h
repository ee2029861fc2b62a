#pragma once
#include "render/DrawChartPage.h"
#include "render/PageProgress.h"

#include <QString>

namespace kelvaro
{

class ChartContent;

// Writes pages 1 to `pages` of the chart to a PDF file as they are printed:
// each page drawn with `settings` at 8.0 × 11.6 inches (wider by the offset),
// strokes as vectors and texts as text in embedded fonts. The file appears
// only when every page is written; a failure or a cancel leaves the target
// as it was.
bool WriteChartPdf(const ChartContent& chart, int pages, const ChartPageSettings& settings,
                   const QString& file, QString* error = nullptr);
// The same for pages `first` to `last` only; `progress` is told the pages done
// before each page and cancels the writing by answering false.
bool WriteChartPdf(const ChartContent& chart, int first, int last,
                   const ChartPageSettings& settings, const QString& file, QString* error = nullptr,
                   const ChartPrintProgress& progress = {});

} // namespace kelvaro
