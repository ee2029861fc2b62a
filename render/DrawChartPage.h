#pragma once
#include <QImage>
#include <QPainter>

namespace kelvaro
{

class ChartContent;

// What the chart view, printing and the render command choose for a page.
struct ChartPageSettings {
    int StartHour = 2;       // clock hour of each day's first slot
    int Offset = 0;          // page pixels the whole page moves right when offset
    int TitleOffset = 0;     // further pixels the title moves when offset
    bool OffsetPage = false; // printing, or the screen with the offset preview
};

// Draws page `week` (1 or more) of the chart into `bitmap`, resizing it to the
// page. A chart without a patient key draws nothing and leaves the bitmap as it is.
void DrawChartPage(QImage& bitmap, const ChartContent& chart, int week,
                   const ChartPageSettings& settings);
// Draws the same page onto a device from its painter's origin, each page pixel
// `scale` × `scale` dots: lines and shapes as strokes, texts as text.
void DrawChartPage(QPainter& device, int scale, const ChartContent& chart, int week,
                   const ChartPageSettings& settings);

} // namespace kelvaro
