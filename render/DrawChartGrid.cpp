#include "render/ChartPage.h"

namespace kelvaro
{

namespace
{

void DrawDayLines(ChartPage& page)
{
    const ChartLayout& l = page.Layout;
    for (int day = 0; day <= 6; ++day)
        page.Paint.Line(l.DayLeft(day), l.T, l.DayLeft(day), l.Yb());
}

// Scale rows of 0.2 °C and 4 beats; whole degrees in red, with their labels.
void DrawScale(ChartPage& page)
{
    Canvas& canvas = page.Paint;
    const ChartLayout& l = page.Layout;
    const int temperatureX = l.LabelSplit() + 2 * l.AW;
    const int pulseX = l.L + 2 * l.AW;
    canvas.TextOut(temperatureX, l.GraphTop() + l.TH / 2, QStringLiteral("42"));
    canvas.TextOut(pulseX, l.GraphTop() + l.TH / 2, QStringLiteral("180"));
    for (int k = 1; k <= 44; ++k) {
        const int y = l.GraphTop() + k * l.SH;
        const bool wholeDegree = k % 5 == 0;
        if (wholeDegree) {
            canvas.TextOut(temperatureX, y, QString::number(42 - k / 5));
            canvas.TextOut(pulseX, y, QString::number(180 - 4 * k));
        }
        canvas.SetPenColor(wholeDegree ? Qt::red : Qt::black);
        canvas.Line(l.GridLeft(), y, l.W - l.R, y);
    }
    canvas.SetPenColor(Qt::black);
}

// The hours of the six slots of each day, and the slot lines below them; the
// middle line also splits the blood pressure row into its two halves.
void DrawSlots(ChartPage& page)
{
    Canvas& canvas = page.Paint;
    const ChartLayout& l = page.Layout;
    const int textY = Tenths(l.T + 3 * l.RH, 5, l.TH);
    for (int day = 0; day < 7; ++day) {
        int hour = page.Settings.StartHour;
        for (int slot = 0; slot < 6; ++slot) {
            const int x = l.SlotLeft(day, slot) + (hour < 10 ? l.AW - 1 : 2);
            canvas.TextOut(x, textY, QString::number(hour));
            if (slot < 5) {
                const int lineX = l.SlotLeft(day, slot + 1);
                const int bottom = l.Yb() - (slot == 2 ? 6 : 7) * l.RH;
                canvas.Line(lineX, l.T + 3 * l.RH, lineX, bottom);
            }
            hour = (hour + 4) % 24;
        }
    }
}

} // namespace

void DrawChartGrid(ChartPage& page)
{
    const ChartLayout& l = page.Layout;
    DrawDayLines(page);
    DrawScale(page);
    DrawSlots(page);
    page.Paint.Line(l.LabelSplit(), l.T + 4 * l.RH, l.LabelSplit(), l.GraphBottom());
}

} // namespace kelvaro
