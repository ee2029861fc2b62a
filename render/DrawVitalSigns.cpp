#include "render/ChartPage.h"
#include "render/VitalValue.h"

#include <optional>

namespace kelvaro
{

namespace
{

using Kind = TWDLineInfo::Kinds;

const SlotTexts& ItemOf(const TemperatureData& day, int kind)
{
    switch (kind) {
    case Kind::Oral:
        return day.KB;
    case Kind::Axillary:
        return day.YB;
    case Kind::Rectal:
        return day.GB;
    case Kind::PulseRate:
        return day.MB;
    case Kind::HeartRate:
        return day.XL;
    default:
        return day.WLJW;
    }
}

bool IsPulseKind(int kind)
{
    return kind == Kind::PulseRate || kind == Kind::HeartRate;
}

// The value of a text in its scale's unit when it lies in the accepted range.
// A text that is no number is passed over like a value out of range.
std::optional<int> AcceptedValue(int kind, const QString& text)
{
    if (IsPulseKind(kind)) {
        const auto v = WholeNumberOf(text);
        return v && *v >= 20 && *v <= 180 ? v : std::nullopt;
    }
    const auto v = TenthsOf(text);
    return v && *v >= 340 && *v <= 420 ? v : std::nullopt;
}

void CollectDay(ChartPage& page, int day, const TemperatureData& record)
{
    _ConvertCoord& coord = page.Coord;
    const ChartLayout& l = page.Layout;
    for (int slot = 0; slot < SlotCount; ++slot) {
        for (int kind = Kind::Oral; kind <= Kind::Cooling; ++kind) {
            const QString& text = ItemOf(record, kind)[slot];
            if (text.trimmed().isEmpty())
                continue;
            const auto value = AcceptedValue(kind, text);
            if (!value)
                continue;
            coord.Kind = IsPulseKind(kind) ? _ConvertCoord::Pulse : _ConvertCoord::Temperature;
            coord.DayIndex = day;
            coord.Hour = (4 * slot + coord.StartHour) % 24;
            coord.Value = *value;
            page.Points.push_back({kind, *value, day * SlotCount + slot,
                                   coord.GetX() + l.GridLeft(), coord.GetY() + l.GraphTop(), text});
        }
    }
}

void Collect(ChartPage& page)
{
    page.Points.clear();
    page.Coord.StartHour = page.Settings.StartHour;
    for (int day = 0; day < 7; ++day)
        if (const TemperatureData* record = page.Day(day))
            CollectDay(page, day, *record);
}

void Circle(Canvas& canvas, const TWDLineInfo& p, int r)
{
    canvas.Ellipse(p.X - r, p.Y - r, p.X + r, p.Y + r);
}

void Cross(Canvas& canvas, const TWDLineInfo& p, int half)
{
    canvas.Line(p.X - half, p.Y - half, p.X + half, p.Y + half);
    canvas.Line(p.X + half, p.Y - half, p.X - half, p.Y + half);
}

void LineFrom(Canvas& canvas, const TWDLineInfo* previous, const TWDLineInfo& p,
              const QColor& colour)
{
    if (previous && previous->X > 0 && previous->Y > 0)
        DrawSmoothLine(canvas, QPoint(previous->X, previous->Y), QPoint(p.X, p.Y), colour);
}

// Joins the points of one kind; `symbol` marks each point after its incoming line.
template <typename Symbol>
void DrawJoined(ChartPage& page, int kind, const QColor& colour, Symbol symbol)
{
    const TWDLineInfo* previous = nullptr;
    for (const TWDLineInfo& p : page.Points) {
        if (p.Kind != kind)
            continue;
        LineFrom(page.Paint, previous, p, colour);
        symbol(p);
        previous = &p;
    }
}

// A white circle over each point that covers the ends of both of its lines.
void DrawRinged(ChartPage& page, int kind, const QColor& colour)
{
    Canvas& canvas = page.Paint;
    const TWDLineInfo* previous = nullptr;
    bool pending = false;
    for (const TWDLineInfo& p : page.Points) {
        if (p.Kind == kind) {
            if (previous) {
                LineFrom(canvas, previous, p, colour);
                Circle(canvas, *previous, 5);
            }
            pending = true;
            previous = &p;
        }
        if (pending) {
            Circle(canvas, *previous, 5);
            pending = false;
        }
    }
}

void SetPen(Canvas& canvas, const QColor& colour, int width)
{
    canvas.SetPenColor(colour);
    canvas.SetPenWidth(width);
}

void DrawPulseSymbol(ChartPage& page, const TWDLineInfo& p)
{
    Canvas& canvas = page.Paint;
    switch (FindTemperatureAt(page.Points, p.X, p.Y)) {
    case 1: // a blue disc in a red ring
        canvas.SetBrushStyle(Canvas::BrushStyle::Clear);
        Circle(canvas, p, 6);
        canvas.SetBrushStyle(Canvas::BrushStyle::Solid);
        canvas.SetBrushColor(Qt::blue);
        Circle(canvas, p, 6);
        canvas.SetBrushColor(Qt::red);
        break;
    case 2: // a red ring round a small blue cross
        canvas.SetBrushStyle(Canvas::BrushStyle::Clear);
        Circle(canvas, p, 6);
        canvas.SetPenColor(Qt::blue);
        Cross(canvas, p, 3);
        canvas.SetPenColor(Qt::red);
        canvas.SetBrushStyle(Canvas::BrushStyle::Solid);
        canvas.SetBrushColor(Qt::red);
        break;
    case 3: // a small red dot inside the blue circle
        Circle(canvas, p, 3);
        break;
    default:
        Circle(canvas, p, 5);
    }
}

// Cooling hangs from the axillary temperature of its slot by a dashed line;
// equal to it, it is two short lines above the cross.
void DrawCooling(ChartPage& page, const TWDLineInfo& p)
{
    Canvas& canvas = page.Paint;
    if (p.X <= 0 || p.Y <= 0)
        return;
    const QPoint axillary = FindAxillaryPoint(page.Points, p.Index);
    if (axillary.x() <= 0 || axillary.y() <= 0)
        return;
    if (axillary == QPoint(p.X, p.Y)) {
        canvas.Line(p.X - 5, p.Y - 10, p.X + 5, p.Y - 10);
        canvas.Line(p.X - 5, p.Y - 6, p.X + 5, p.Y - 6);
        return;
    }
    DrawDashLine(canvas, axillary, QPoint(p.X, p.Y));
    Circle(canvas, p, 5);
}

void DrawPasses(ChartPage& page)
{
    Canvas& canvas = page.Paint;
    SetPen(canvas, Qt::blue, 1);
    canvas.SetBrushColor(Qt::blue);
    DrawJoined(page, Kind::Oral, Qt::blue, [&](const TWDLineInfo& p) { Circle(canvas, p, 5); });
    DrawJoined(page, Kind::Axillary, Qt::blue, [&](const TWDLineInfo& p) {
        canvas.SetPenWidth(2);
        Cross(canvas, p, 4);
        canvas.SetPenWidth(1);
    });
    SetPen(canvas, Qt::blue, 2);
    canvas.SetBrushColor(Qt::white);
    DrawRinged(page, Kind::Rectal, Qt::blue);
    SetPen(canvas, Qt::red, 2);
    canvas.SetBrushColor(Qt::red);
    DrawJoined(page, Kind::PulseRate, Qt::red, [](const TWDLineInfo&) {});
    for (const TWDLineInfo& p : page.Points)
        if (p.Kind == Kind::PulseRate)
            DrawPulseSymbol(page, p);
    canvas.SetBrushColor(Qt::white);
    DrawRinged(page, Kind::HeartRate, Qt::red);
    for (const TWDLineInfo& p : page.Points)
        if (p.Kind == Kind::Cooling)
            DrawCooling(page, p);
    canvas.SetPenWidth(1);
}

} // namespace

void DrawVitalSigns(ChartPage& page)
{
    Collect(page);
    DrawPasses(page);
}

} // namespace kelvaro
