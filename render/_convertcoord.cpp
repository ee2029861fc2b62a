#include "render/_convertcoord.h"

#include "render/ClockNumber.h"

#include <algorithm>

namespace kelvaro
{

namespace
{

constexpr int HalfRow = 8;
constexpr int DefaultHour = 2;

} // namespace

_ConvertCoord::_ConvertCoord(int dayWidth, int slotWidth, int rowHeight)
    : DayWidth(dayWidth), SlotWidth(slotWidth), RowHeight(rowHeight)
{
}

void _ConvertCoord::Reset()
{
    Kind = ClockTime;
    DayIndex = 0;
    Hour = 0;
    Value = 0;
    StartHour = DefaultHour;
    TimeText.clear();
}

int _ConvertCoord::GetX()
{
    switch (Kind) {
    case ClockTime:
        if (TimeText.isEmpty())
            return -1;
        Hour = ClockNumber(TimeText).value_or(DefaultHour);
        return GetXForHour(Hour);
    case Temperature:
    case Pulse: {
        const int column = (((Hour - StartHour) % 24 + 24) % 24) / 4;
        return DayIndex * DayWidth + column * SlotWidth + 8;
    }
    default:
        return -1;
    }
}

int _ConvertCoord::GetXForHour(int hour) const
{
    // Hours before the day's first slot still belong to that day's first column.
    const int column = hour < StartHour ? 0 : std::min((hour - StartHour) / 4, 5);
    return DayIndex * DayWidth + column * SlotWidth + 3;
}

int _ConvertCoord::GetY() const
{
    switch (Kind) {
    case ClockTime:
        return 2;
    case Temperature:
        return TemperatureY();
    case Pulse:
        return PulseY();
    case BelowLine35:
        return 35 * RowHeight + 3;
    default:
        return -1;
    }
}

int _ConvertCoord::TemperatureY() const
{
    if (Value < 340 || Value >= 420)
        return -1;
    const int degrees = Value / 10;
    const int tenths = Value % 10;
    return (5 * (42 - degrees) - tenths / 2) * RowHeight - (tenths % 2 ? HalfRow : 0);
}

int _ConvertCoord::PulseY() const
{
    if (Value < 20 || Value >= 180)
        return -1;
    const int base = 20 * (Value / 20);
    const int rest = Value - base;
    return (5 * (180 - base) / 20 - rest / 4) * RowHeight - (rest % 4 ? HalfRow : 0);
}

} // namespace kelvaro
