#pragma once
#include <QString>

namespace kelvaro
{

// Turns a measurement (day, slot hour or clock time, value) into an offset
// inside the graph of a chart page; -1 means there is no position.
class _ConvertCoord
{
public:
    enum { ClockTime = 0, Temperature = 1, Pulse = 2, BelowLine35 = 3 };

    _ConvertCoord(int dayWidth, int slotWidth, int rowHeight);

    void Reset();
    int GetX();
    int GetY() const;
    int GetXForHour(int hour) const;

    int Kind = ClockTime;
    int DayIndex = 0;
    int Hour = 0;
    int Value = 0; // tenths of a degree, or beats per minute
    int StartHour = 2;
    QString TimeText; // "HH:mm"
    int DayWidth;
    int SlotWidth;
    int RowHeight;

private:
    int TemperatureY() const;
    int PulseY() const;
};

} // namespace kelvaro
