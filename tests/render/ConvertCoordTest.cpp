#include "render/_convertcoord.h"

#include <gtest/gtest.h>

namespace kelvaro
{
namespace
{

_ConvertCoord Converter(int kind, int value = 0)
{
    _ConvertCoord coord(96, 16, 16);
    coord.Reset();
    coord.Kind = kind;
    coord.Value = value;
    return coord;
}

struct TimeCase {
    const char* time;
    int startHour;
    int day;
    int x;
};

TEST(ConvertCoord, GetXPlacesClockTimesInTheColumnOfTheirHour)
{
    const TimeCase cases[] = {
        {"01:30", 2, 0, 3},          // before the first slot: first column of the day
        {"23:10", 2, 0, 5 * 16 + 3}, // last column
        {"10:30", 2, 2, 2 * 96 + 2 * 16 + 3},
        {"09:00", 2, 0, 16 + 3},
        {"ab:10", 2, 0, 3}, // unreadable hour counts as 2
        {"8:30", 2, 0, 3},  // so does a one-digit hour
        {"21:00", 4, 0, 4 * 16 + 3},
        {"02:00", 4, 0, 3},
        {"", 2, 0, -1}, // no time, no column
    };
    for (const TimeCase& c : cases) {
        _ConvertCoord coord = Converter(_ConvertCoord::ClockTime);
        coord.StartHour = c.startHour;
        coord.DayIndex = c.day;
        coord.TimeText = QString::fromLatin1(c.time);
        EXPECT_EQ(coord.GetX(), c.x) << c.time << " from " << c.startHour;
    }
}

TEST(ConvertCoord, GetXPutsValuesInTheMiddleOfTheirSlotForEveryStartHour)
{
    for (int start : {0, 2, 4, 23}) {
        for (int slot = 0; slot < 6; ++slot) {
            _ConvertCoord coord = Converter(_ConvertCoord::Temperature);
            coord.StartHour = start;
            coord.DayIndex = 3;
            coord.Hour = (start + 4 * slot) % 24;
            EXPECT_EQ(coord.GetX(), 3 * 96 + slot * 16 + 8) << start << " slot " << slot;
        }
    }
    EXPECT_EQ(Converter(7).GetX(), -1);
}

struct ValueCase {
    int kind;
    int value;
    int y;
};

TEST(ConvertCoord, GetYFollowsTheTemperatureAndPulseScales)
{
    const ValueCase cases[] = {
        {_ConvertCoord::Temperature, 410, 80},  {_ConvertCoord::Temperature, 375, 360},
        {_ConvertCoord::Temperature, 370, 400}, {_ConvertCoord::Temperature, 369, 408},
        {_ConvertCoord::Temperature, 368, 416}, {_ConvertCoord::Temperature, 340, 640},
        {_ConvertCoord::Temperature, 419, 8},   {_ConvertCoord::Temperature, 420, -1},
        {_ConvertCoord::Temperature, 339, -1},  {_ConvertCoord::Pulse, 160, 80},
        {_ConvertCoord::Pulse, 161, 72},        {_ConvertCoord::Pulse, 163, 72},
        {_ConvertCoord::Pulse, 164, 64},        {_ConvertCoord::Pulse, 72, 432},
        {_ConvertCoord::Pulse, 73, 424},        {_ConvertCoord::Pulse, 76, 416},
        {_ConvertCoord::Pulse, 20, 640},        {_ConvertCoord::Pulse, 180, -1},
        {_ConvertCoord::Pulse, 19, -1},         {_ConvertCoord::ClockTime, 0, 2},
        {_ConvertCoord::BelowLine35, 0, 563},   {9, 370, -1},
    };
    for (const ValueCase& c : cases)
        EXPECT_EQ(Converter(c.kind, c.value).GetY(), c.y) << c.kind << ": " << c.value;
}

} // namespace
} // namespace kelvaro
