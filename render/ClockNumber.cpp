#include "render/ClockNumber.h"

#include <QString>

namespace kelvaro
{

std::optional<int> ClockNumber(QStringView text, qsizetype from)
{
    if (from < 0 || from >= text.size())
        return std::nullopt;
    bool ok = false;
    const int number = text.mid(from, 2).toString().toInt(&ok);
    if (!ok || number < 0)
        return std::nullopt;
    return number;
}

} // namespace kelvaro
