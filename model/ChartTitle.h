#pragma once
#include <QString>

namespace kelvaro
{

// The chart page title in the scrambled form the chart manager holds: the
// hospital's name followed by the title's own suffix.
QString ScrambledChartTitle(const QString& hospitalName);

} // namespace kelvaro
