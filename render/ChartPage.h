#pragma once
#include "model/TemperatureData.h"
#include "render/Canvas.h"
#include "render/ChartLayout.h"
#include "render/DrawChartPage.h"
#include "render/TWDLineInfo.h"
#include "render/_convertcoord.h"

#include <QDate>

namespace kelvaro
{

// Everything one page drawing shares between its steps.
struct ChartPage {
    ChartPage(Canvas& canvas, const ChartContent& chart, int week,
              const ChartPageSettings& settings);

    // The record of day `day` (0 to 6) of the page, or null.
    const TemperatureData* Day(int day) const;

    Canvas& Paint;
    const ChartContent& Chart;
    int Week;
    ChartPageSettings Settings;
    ChartLayout Layout;
    QDate WeekStart;
    bool RespirationUpper = true; // the next respiration value goes to the upper half
    TWDLineInfoVec Points;
    _ConvertCoord Coord;
};

// The window-text colour texts return to after the coloured ones.
inline const QColor WindowTextColor = Qt::black;

// The steps of a page, in drawing order.
void DrawPageTitle(ChartPage& page);
void DrawRowLabels(ChartPage& page);
void DrawChartGrid(ChartPage& page);
void DrawVitalSigns(ChartPage& page);
void DrawGraphTexts(ChartPage& page);
void DrawLowerRows(ChartPage& page);

// Soft-edged line about two pixels wide, both ends included, blended into what
// is already there.
void DrawSmoothLine(Canvas& canvas, QPoint p1, QPoint p2, const QColor& color);
// Dashes of 3 pixels, gaps of 3, with the current pen; vertical, or horizontal
// from left to right.
void DrawDashLine(Canvas& canvas, QPoint a, QPoint b);
// Writes a text one character under the other, two code page bytes at a time.
void WriteVertical(ChartPage& page, int x, int y, const QString& text);
// "08:30" -> 八点三十分; "" when the minutes cannot be read.
QString ToChineseTime(const QString& time);

} // namespace kelvaro
