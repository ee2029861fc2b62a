#include "render/ChartPage.h"
#include "render/ClockNumber.h"

namespace kelvaro
{

namespace
{

QString Digit(int digit)
{
    static const char16_t digits[] = u"零一二三四五六七八九";
    return QString(QChar(digits[digit]));
}

QString HourPart(int hour)
{
    if (hour == 0)
        return QStringLiteral("零点");
    QString text;
    const int tens = hour / 10;
    if (tens >= 2)
        text += Digit(tens);
    if (tens >= 1)
        text += u'十';
    if (hour % 10)
        text += Digit(hour % 10);
    return text + u'点';
}

QString MinutePart(int minute)
{
    if (minute == 0)
        return QString();
    QString text;
    const int tens = minute / 10;
    if (tens != 1)
        text += Digit(tens);
    if (tens > 0)
        text += u'十';
    if (minute % 10)
        text += Digit(minute % 10);
    return text + u'分';
}

} // namespace

QString ToChineseTime(const QString& time)
{
    const int hour = ClockNumber(time).value_or(2);
    const qsizetype colon = time.indexOf(u':');
    const auto minute = ClockNumber(time, colon < 0 ? 0 : colon + 1);
    if (!minute)
        return QString();
    return HourPart(hour) + MinutePart(*minute);
}

} // namespace kelvaro
