#pragma once
#include <QPoint>
#include <QString>
#include <vector>

namespace kelvaro
{

// One plotted point of a chart page.
struct TWDLineInfo {
    enum Kinds { Oral = 0, Axillary, Rectal, PulseRate, HeartRate, Cooling };

    int Kind = 0;
    int Value = 0; // tenths of a degree, or beats per minute
    int Index = 0; // day * 6 + slot
    int X = 0;
    int Y = 0;
    QString Text; // as recorded
};
using TWDLineInfoVec = std::vector<TWDLineInfo>;

// Which temperature symbol is already at (x, y): 0 none, 1 oral, 2 axillary,
// 3 rectal.
int FindTemperatureAt(const TWDLineInfoVec& points, int x, int y);
// Position of the axillary point of that day and slot, or (-1, -1).
QPoint FindAxillaryPoint(const TWDLineInfoVec& points, int index);

} // namespace kelvaro
