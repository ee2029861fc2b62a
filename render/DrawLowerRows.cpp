#include "render/ChartPage.h"

namespace kelvaro
{

namespace
{

void DrawRowLines(ChartPage& page)
{
    const ChartLayout& l = page.Layout;
    // Without the line of k = 8 the respiration row is two rows high.
    for (int k = 1; k <= 9; ++k)
        if (k != 8)
            page.Paint.Line(l.L, l.Yb() - k * l.RH, l.W - l.R, l.Yb() - k * l.RH);
}

// Respiration values take turns in the upper and lower half of their row, across
// the whole page, so that neighbouring values do not touch.
void DrawRespiration(ChartPage& page, int day, const TemperatureData& record)
{
    Canvas& canvas = page.Paint;
    const ChartLayout& l = page.Layout;
    const QColor colour = canvas.FontColor();
    canvas.SetFontColor(Qt::red);
    for (int slot = 0; slot < SlotCount; ++slot) {
        const QString& value = record.HX[slot];
        if (value.isEmpty())
            continue;
        const int rows = page.RespirationUpper ? 9 : 8;
        canvas.TextOut(Tenths(l.SlotLeft(day, slot), 4, l.AW),
                       Tenths(l.Yb() - rows * l.RH, 5, l.TH), value);
        page.RespirationUpper = !page.RespirationUpper;
    }
    canvas.SetFontColor(colour);
}

void DrawDailyValues(ChartPage& page, int day, const TemperatureData& record)
{
    const ChartLayout& l = page.Layout;
    const int left = l.DayLeft(day);
    const int middle = left + l.DW / 2 - 2 * l.AW;
    struct Item {
        const QString& value;
        int x;
        int rowsUp;
    };
    const Item items[] = {
        {record.XY1, left + l.DW / 4 - 3 * l.AW, 6},
        {record.XY2, left + l.DW / 2 + 5, 6},
        {record.RL, middle, 5},
        {record.CL, middle, 4},
        {record.DBCS, middle, 3},
        {record.XBCS, middle, 2},
        {record.TZ, middle, 1},
        {record.GMYW, left + 3, 0},
    };
    for (const Item& item : items)
        if (!item.value.isEmpty())
            page.Paint.TextOut(item.x, Tenths(l.Yb() - item.rowsUp * l.RH, -13, l.TH), item.value);
}

void DrawLegend(ChartPage& page)
{
    Canvas& canvas = page.Paint;
    const ChartLayout& l = page.Layout;
    const int y0 = l.Yb() + 2 * l.AW;
    const auto label = [&](int x, const char16_t* text) {
        canvas.TextOut(x, y0, QString::fromUtf16(text));
    };
    canvas.SetPenWidth(2);
    canvas.SetPenColor(Qt::blue);
    canvas.SetBrushColor(Qt::white);
    canvas.Ellipse(l.L + 10, y0, l.L + 23, y0 + 13);
    label(l.L + 30, u"肛温");
    canvas.SetBrushColor(Qt::blue);
    canvas.Ellipse(l.L + l.DW, y0, l.L + l.DW + 13, y0 + 13);
    canvas.SetBrushColor(Qt::white);
    label(l.L + l.DW + 20, u"口温");
    const int ax = l.L + 2 * l.DW;
    canvas.Line(ax, y0, ax + 10, y0 + 10);
    canvas.Line(ax, y0 + 10, ax + 10, y0);
    label(ax + 20, u"腋温");
    canvas.SetPenColor(Qt::red);
    canvas.Ellipse(l.L + 3 * l.DW, y0, l.L + 3 * l.DW + 13, y0 + 13);
    label(l.L + 3 * l.DW + 20, u"心率");
    canvas.SetBrushColor(Qt::red);
    canvas.Ellipse(l.L + 4 * l.DW, y0, l.L + 4 * l.DW + 13, y0 + 13);
    canvas.SetBrushColor(Qt::white);
    label(l.L + 4 * l.DW + 20, u"脉搏");
    const int cx = l.L + 5 * l.DW;
    DrawDashLine(canvas, QPoint(cx, y0 + 7), QPoint(cx + 50, y0 + 7));
    canvas.Ellipse(cx + 50, y0, cx + 63, y0 + 13);
    label(cx + 70, u"物理降温");
    canvas.TextOut(l.L + 7 * l.DW + 45, y0, QStringLiteral("第 %1 页").arg(page.Week));
    canvas.SetPenWidth(1);
}

} // namespace

void DrawLowerRows(ChartPage& page)
{
    DrawRowLines(page);
    for (int day = 0; day < 7; ++day) {
        if (const TemperatureData* record = page.Day(day)) {
            DrawRespiration(page, day, *record);
            DrawDailyValues(page, day, *record);
        }
    }
    DrawLegend(page);
}

} // namespace kelvaro
