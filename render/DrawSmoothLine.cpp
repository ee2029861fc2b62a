#include "render/ChartPage.h"

#include <cstdlib>
#include <utility>

namespace kelvaro
{

namespace
{

int Blend(int old, double keep, int colour)
{
    return int(old * keep) + int(colour * (1 - keep));
}

// The pixel takes `keep` of what is there and the rest of `colour`.
void BlendPixel(Canvas& canvas, int x, int y, double keep, const QColor& colour)
{
    const QRgb old = canvas.Pixel(x, y);
    canvas.SetPixel(x, y,
                    qRgb(Blend(qRed(old), keep, colour.red()),
                         Blend(qGreen(old), keep, colour.green()),
                         Blend(qBlue(old), keep, colour.blue())));
}

// Steps along the main axis; at each step the pixel on the line takes the
// colour and its two neighbours across the line are blended by the fraction.
template <typename Pixel> void Walk(int from, int to, double start, double slope, Pixel pixel)
{
    double g = start;
    for (int m = from; m <= to; ++m, g += slope) {
        const int h = int(g);
        const double f = g - h;
        pixel(m, h - 1, f);
        pixel(m, h, 0.0);
        pixel(m, h + 1, 1 - f);
    }
}

} // namespace

void DrawSmoothLine(Canvas& canvas, QPoint p1, QPoint p2, const QColor& color)
{
    if (!canvas.HasPixels()) {
        // The same two pixels wide line as a stroke, through the middle of the
        // pixels the bitmap walk paints along its main axis.
        const bool mostlyHorizontal = std::abs(p2.x() - p1.x()) > std::abs(p2.y() - p1.y());
        const QPointF middle = mostlyHorizontal ? QPointF(0.5, 0) : QPointF(0, 0.5);
        canvas.Stroke(p1 + middle, p2 + middle, color, 2);
        return;
    }
    const int dx = p2.x() - p1.x();
    const int dy = p2.y() - p1.y();
    if (std::abs(dx) > std::abs(dy)) {
        if (dx < 0)
            std::swap(p1, p2);
        Walk(p1.x(), p2.x(), p1.y(), double(p2.y() - p1.y()) / (p2.x() - p1.x()),
             [&](int x, int y, double keep) { BlendPixel(canvas, x, y, keep, color); });
    } else {
        if (dy < 0)
            std::swap(p1, p2);
        const double slope = dy == 0 ? 0.0 : double(p2.x() - p1.x()) / (p2.y() - p1.y());
        Walk(p1.y(), p2.y(), p1.x(), slope,
             [&](int y, int x, double keep) { BlendPixel(canvas, x, y, keep, color); });
    }
}

} // namespace kelvaro
