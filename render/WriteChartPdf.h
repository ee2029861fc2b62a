#pragma once
#include "render/DrawChartPage.h"

#include <QString>

namespace kelvaro
{

class _TemperatureData;

// Writes pages 1 to `pages` of the chart to a PDF file as they are printed:
// each page drawn with `settings`, stretched by the whole-number scale of a
// 600 dpi device onto a PDF page of its own, its size that of the drawn page.
bool WriteChartPdf(const _TemperatureData& chart, int pages, const ChartPageSettings& settings,
                   const QString& file, QString* error = nullptr);
// The same for pages `first` to `last` only.
bool WriteChartPdf(const _TemperatureData& chart, int first, int last,
                   const ChartPageSettings& settings, const QString& file,
                   QString* error = nullptr);

} // namespace kelvaro
