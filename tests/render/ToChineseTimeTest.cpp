#include "render/ChartPage.h"
#include "render/VitalValue.h"

#include <gtest/gtest.h>

namespace kelvaro
{
namespace
{

TEST(ToChineseTime, WritesClockTimesInChineseNumerals)
{
    const std::pair<const char*, const char16_t*> cases[] = {
        {"08:30", u"八点三十分"},       {"14:05", u"十四点零五分"}, {"10:10", u"十点十分"},
        {"21:45", u"二十一点四十五分"}, {"12:00", u"十二点"},       {"00:00", u"零点"},
        {"00:15", u"零点十五分"},       {"20:00", u"二十点"},       {"ab:30", u"二点三十分"},
        {"1530", u"十五点十五分"}, // without a colon the minutes are the first two digits
    };
    for (const auto& [time, chinese] : cases)
        EXPECT_EQ(ToChineseTime(QString::fromLatin1(time)), QString::fromUtf16(chinese)) << time;
}

TEST(ToChineseTime, GivesNothingWhenTheMinutesCannotBeRead)
{
    for (const char* time : {"", "10:", "10:xx", "10:-5", "-1"})
        EXPECT_EQ(ToChineseTime(QString::fromLatin1(time)), QString()) << time;
}

TEST(VitalValue, ReadsTenthsFromTheDecimalDigits)
{
    const std::pair<const char*, std::optional<int>> cases[] = {
        {"36.9", 369},
        {"37", 370},
        {" 38.25 ", 382},
        {"37.", 370},
        {".5", 5},
        {"-1.5", -15},
        {"37,5", std::nullopt},
        {"abc", std::nullopt},
        {"3.7e1", std::nullopt},
        {".", std::nullopt},
    };
    for (const auto& [text, tenths] : cases)
        EXPECT_EQ(TenthsOf(QString::fromLatin1(text)), tenths) << text;
    EXPECT_EQ(WholeNumberOf(u" 72 "), 72);
    EXPECT_EQ(WholeNumberOf(u"72.0"), std::nullopt);
}

} // namespace
} // namespace kelvaro
