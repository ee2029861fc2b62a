#include "render/ChartPage.h"

namespace kelvaro
{

namespace
{

// Events stand from the top of the graph in the column of their time; one
// without a readable time stands in the first column of its day.
void DrawEvents(ChartPage& page, int day, const TemperatureData& record)
{
    _ConvertCoord& coord = page.Coord;
    const ChartLayout& l = page.Layout;
    coord.Kind = _ConvertCoord::ClockTime;
    for (int slot = 0; slot < SlotCount; ++slot) {
        const QString& event = record.Event[slot];
        if (event.isEmpty())
            continue;
        coord.DayIndex = day;
        coord.TimeText = record.EventTime[slot];
        int x = coord.GetX();
        if (x < 0)
            x = coord.GetXForHour(coord.StartHour);
        QString text = event;
        const QString time = ToChineseTime(record.EventTime[slot]);
        if (event != u"手术" && event != u"请假" && !time.isEmpty())
            text += QStringLiteral(" |") + time;
        WriteVertical(page, x + l.GridLeft(), coord.GetY() + l.GraphTop(), text);
    }
}

// Remarks stand from just below the 35 °C line in their own slot.
void DrawMemos(ChartPage& page, int day, const TemperatureData& record)
{
    _ConvertCoord& coord = page.Coord;
    const ChartLayout& l = page.Layout;
    coord.Kind = _ConvertCoord::BelowLine35;
    for (int slot = 0; slot < SlotCount; ++slot)
        if (!record.Memo[slot].isEmpty())
            WriteVertical(page, l.SlotLeft(day, slot) + 3, coord.GetY() + l.GraphTop(),
                          record.Memo[slot]);
}

// A circled R half a row below the 34 °C line marks a slot on the ventilator.
void DrawVentilatorMarks(ChartPage& page, int day, const TemperatureData& record)
{
    Canvas& canvas = page.Paint;
    const ChartLayout& l = page.Layout;
    for (int slot = 0; slot < SlotCount; ++slot) {
        if (record.HXJ[slot].toUpper() != u"TRUE")
            continue;
        const int x = l.SlotLeft(day, slot) + 8;
        const int y = l.GraphTop() + 40 * l.SH + 8;
        canvas.Ellipse(x - 7, y - 7, x + 7, y + 7);
        canvas.TextOut(x - 3, y - 7, QStringLiteral("R"));
    }
}

template <typename Step> void ForEachDay(ChartPage& page, Step step)
{
    for (int day = 0; day < 7; ++day)
        if (const TemperatureData* record = page.Day(day))
            step(page, day, *record);
}

} // namespace

void DrawGraphTexts(ChartPage& page)
{
    Canvas& canvas = page.Paint;
    const Canvas::BrushStyle brush = canvas.Brush();
    canvas.SetBrushStyle(Canvas::BrushStyle::Clear);
    canvas.SetFontSize(8);
    canvas.SetFontColor(Qt::red);
    page.Coord.Reset();
    page.Coord.StartHour = page.Settings.StartHour;
    ForEachDay(page, DrawEvents);
    canvas.SetFontColor(Qt::black);
    ForEachDay(page, DrawMemos);
    canvas.SetPenColor(Qt::black);
    canvas.SetPenWidth(2);
    ForEachDay(page, DrawVentilatorMarks);
    canvas.SetBrushStyle(brush);
    canvas.SetBrushColor(Qt::white);
    canvas.SetPenWidth(1);
    canvas.SetFontColor(WindowTextColor);
}

} // namespace kelvaro
