#include "render/TWDLineInfo.h"

#include <algorithm>

namespace kelvaro
{

int FindTemperatureAt(const TWDLineInfoVec& points, int x, int y)
{
    const auto found = std::find_if(points.begin(), points.end(), [&](const TWDLineInfo& p) {
        return p.Kind <= TWDLineInfo::Rectal && p.X == x && p.Y == y;
    });
    return found == points.end() ? 0 : found->Kind + 1;
}

QPoint FindAxillaryPoint(const TWDLineInfoVec& points, int index)
{
    const QPoint none(-1, -1);
    if (index < 0 || index > 42)
        return none;
    const auto found = std::find_if(points.begin(), points.end(), [&](const TWDLineInfo& p) {
        return p.Kind == TWDLineInfo::Axillary && p.Index == index;
    });
    return found == points.end() ? none : QPoint(found->X, found->Y);
}

} // namespace kelvaro
