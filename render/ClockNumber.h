#pragma once
#include <QStringView>
#include <optional>

namespace kelvaro
{

// The two characters of a clock text at `from` ("08" of "08:30") as a
// non-negative whole number; nothing when they are not one.
std::optional<int> ClockNumber(QStringView text, qsizetype from = 0);

} // namespace kelvaro
