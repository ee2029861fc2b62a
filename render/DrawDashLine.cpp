#include "render/ChartPage.h"

#include <algorithm>

namespace kelvaro
{

namespace
{

constexpr int Dash = 3;
constexpr int Period = 6;

} // namespace

void DrawDashLine(Canvas& canvas, QPoint a, QPoint b)
{
    if (a.x() == b.x()) {
        const int top = std::min(a.y(), b.y());
        const int bottom = std::max(a.y(), b.y());
        for (int c = top; c <= bottom; c += Period)
            canvas.Line(a.x(), c, a.x(), c + Dash);
        return;
    }
    for (int c = a.x(); c <= b.x(); c += Period)
        canvas.Line(c, a.y(), c + Dash, a.y());
}

} // namespace kelvaro
