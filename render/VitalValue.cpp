#include "render/VitalValue.h"

#include <QString>

namespace kelvaro
{

namespace
{

// More digits than this are far outside every scale of the page.
constexpr qsizetype MaxDigits = 6;

bool AllDigits(QStringView text)
{
    for (QChar c : text)
        if (c < u'0' || c > u'9')
            return false;
    return true;
}

} // namespace

std::optional<int> TenthsOf(QStringView text)
{
    text = text.trimmed();
    const bool negative = text.startsWith(u'-');
    if (negative || text.startsWith(u'+'))
        text = text.mid(1);
    const qsizetype point = text.indexOf(u'.');
    const QStringView whole = point < 0 ? text : text.left(point);
    const QStringView fraction = point < 0 ? QStringView() : text.mid(point + 1);
    if (whole.isEmpty() && fraction.isEmpty())
        return std::nullopt;
    if (!AllDigits(whole) || !AllDigits(fraction) || whole.size() > MaxDigits)
        return std::nullopt;
    const int tenths =
        whole.toString().toInt() * 10 + (fraction.isEmpty() ? 0 : fraction[0].digitValue());
    return negative ? -tenths : tenths;
}

std::optional<int> WholeNumberOf(QStringView text)
{
    bool ok = false;
    const int number = text.trimmed().toString().toInt(&ok);
    if (!ok)
        return std::nullopt;
    return number;
}

} // namespace kelvaro
