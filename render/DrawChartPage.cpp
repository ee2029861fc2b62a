#include "render/DrawChartPage.h"

#include "model/ChartContent.h"
#include "render/ChartPage.h"

namespace kelvaro
{

namespace
{

void DrawBlankPage(ChartPage& page)
{
    Canvas& canvas = page.Paint;
    const ChartLayout& l = page.Layout;
    canvas.SetBrushColor(Qt::white);
    canvas.SetPenColor(Qt::white);
    canvas.Rectangle(0, 0, l.W, l.H);
    canvas.SetPenColor(Qt::black);
    canvas.SetPenWidth(2);
    canvas.Rectangle(l.L, l.T, l.W - l.R, l.H - l.B);
    canvas.SetPenWidth(1);
}

void DrawPage(Canvas& canvas, const ChartContent& chart, int week,
              const ChartPageSettings& settings)
{
    ChartPage page(canvas, chart, week, settings);
    DrawBlankPage(page);
    DrawPageTitle(page);
    DrawRowLabels(page);
    DrawChartGrid(page);
    DrawVitalSigns(page);
    DrawGraphTexts(page);
    DrawLowerRows(page);
}

} // namespace

void DrawChartPage(QImage& bitmap, const ChartContent& chart, int week,
                   const ChartPageSettings& settings)
{
    if (chart.PatientID.isEmpty())
        return;
    const ChartLayout layout(settings.OffsetPage ? settings.Offset : 0);
    if (bitmap.size() != QSize(layout.W, layout.H))
        bitmap = QImage(layout.W, layout.H, QImage::Format_RGB32);
    Canvas canvas(bitmap);
    DrawPage(canvas, chart, week, settings);
}

void DrawChartPage(QPainter& device, int scale, const ChartContent& chart, int week,
                   const ChartPageSettings& settings)
{
    if (chart.PatientID.isEmpty())
        return;
    Canvas canvas(device, scale);
    DrawPage(canvas, chart, week, settings);
}

} // namespace kelvaro
