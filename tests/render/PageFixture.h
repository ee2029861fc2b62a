#pragma once
#include "model/ChartContent.h"
#include "render/Canvas.h"
#include "render/ChartLayout.h"
#include "render/DrawChartPage.h"

#include <QImage>
#include <gtest/gtest.h>

namespace kelvaro::test
{

struct TextFont {
    QString face = Canvas::TextFace();
    int points = 8;
    bool bold = false;
};

// Average character width and cell height of a font, measured as the page does.
QSize MeasureFont(const TextFont& font);

// Whether every pixel of `text` drawn in `ink` at (x, y) is that colour in `image`.
bool HasTextAt(const QImage& image, int x, int y, const QString& text, QColor ink = Qt::black,
               const TextFont& font = {});
// Pixels of exactly `colour` inside `area`.
int CountColour(const QImage& image, const QRect& area, QColor colour);

// A chart with a patient, admitted on 2015-03-01, and its drawn page.
class PageFixture : public ::testing::Test
{
protected:
    PageFixture();

    TemperatureData& Day(const QString& date);
    void Draw(int week = 1);
    QColor At(int x, int y) const { return page.pixelColor(x, y); }
    bool TextAt(int x, int y, const QString& text, QColor ink = Qt::black) const
    {
        return HasTextAt(page, x, y, text, ink);
    }
    // Centre of slot `slot` of day `day`, and the graph y of a value in tenths
    // of a degree or in beats.
    int SlotMiddle(int day, int slot) const { return l.SlotLeft(day, slot) + 8; }
    int TemperatureY(int tenths) const { return l.GraphTop() + (420 - tenths) * 8; }

    ChartContent chart;
    ChartPageSettings settings;
    QImage page;
    ChartLayout l; // of the page last drawn, with AW and TH of the text font
};

} // namespace kelvaro::test
