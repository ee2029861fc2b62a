#include "PageFixture.h"

namespace kelvaro::test
{

namespace
{

void UseFont(Canvas& canvas, const TextFont& font)
{
    canvas.SetFontFace(font.face);
    canvas.SetFontSize(font.points);
    canvas.SetFontBold(font.bold);
}

} // namespace

QSize MeasureFont(const TextFont& font)
{
    QImage scratch(10, 10, QImage::Format_RGB32);
    Canvas canvas(scratch);
    UseFont(canvas, font);
    return QSize(canvas.AverageCharWidth(), canvas.CellHeight());
}

bool HasTextAt(const QImage& image, int x, int y, const QString& text, QColor ink,
               const TextFont& font)
{
    QImage reference(200, 60, QImage::Format_RGB32);
    reference.fill(Qt::white);
    {
        Canvas canvas(reference);
        UseFont(canvas, font);
        canvas.SetBrushStyle(Canvas::BrushStyle::Clear);
        canvas.SetFontColor(ink);
        canvas.TextOut(0, 0, text);
    }
    int inked = 0;
    for (int ry = 0; ry < reference.height(); ++ry) {
        for (int rx = 0; rx < reference.width(); ++rx) {
            if (reference.pixelColor(rx, ry) != ink)
                continue;
            ++inked;
            if (!image.valid(x + rx, y + ry) || image.pixelColor(x + rx, y + ry) != ink)
                return false;
        }
    }
    return inked > 0;
}

int CountColour(const QImage& image, const QRect& area, QColor colour)
{
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            count += image.valid(x, y) && image.pixelColor(x, y) == colour;
    return count;
}

PageFixture::PageFixture()
{
    chart.PatientID = QStringLiteral("A1B2");
    chart.InHospitalDate = QStringLiteral("2015-03-01");
}

TemperatureData& PageFixture::Day(const QString& date)
{
    TemperatureData& day = chart.Days[date];
    day.Date = date;
    return day;
}

void PageFixture::Draw(int week)
{
    DrawChartPage(page, chart, week, settings);
    l = ChartLayout(settings.OffsetPage ? settings.Offset : 0);
    const QSize font = MeasureFont({});
    l.AW = font.width();
    l.TH = font.height();
}

} // namespace kelvaro::test
