#pragma once
#include "render/DrawChartPage.h"

#include <QPainter>

namespace kelvaro
{

// The whole number of device dots that one 96-dpi page pixel becomes: 6 at
// 600 dpi, 3 at 300, 12 at 1200; so a page is 8.0 × 11.6 inches on each.
int PrintScale(int deviceDpi);

// Draws a page onto a printer, a PDF or a preview from the painter's origin (the
// top-left corner of the printable area) at the scale of the device's resolution.
void DrawPrintedPage(QPainter& device, const ChartContent& chart, int week,
                     const ChartPageSettings& settings);

} // namespace kelvaro
