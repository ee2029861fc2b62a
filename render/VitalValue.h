#pragma once
#include <QStringView>
#include <optional>

namespace kelvaro
{

// A decimal text such as "36.9" in tenths (369), truncated toward zero and read
// from the digits themselves so that no binary rounding creeps in; nothing when
// the text is not a plain decimal number.
std::optional<int> TenthsOf(QStringView text);
// A whole number such as "72"; nothing when the text is not one.
std::optional<int> WholeNumberOf(QStringView text);

} // namespace kelvaro
