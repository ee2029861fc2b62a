#include "PageFixture.h"
#include "render/ChartPage.h"

namespace kelvaro::test
{
namespace
{

const QString FirstDay = QStringLiteral("2015-03-01");
const QString SecondDay = QStringLiteral("2015-03-02");
const QString ThirdDay = QStringLiteral("2015-03-03");

class VitalSigns : public PageFixture
{
};

TEST_F(VitalSigns, PlotsEachTemperatureWithItsSymbolAtItsSlotAndValue)
{
    TemperatureData& day = Day(FirstDay);
    day.KB[1] = QStringLiteral("36.9"); // read as 369 tenths, not 368
    day.YB[3] = QStringLiteral("38.1");
    day.GB[5] = QStringLiteral("35.5");
    Draw();
    const int oral = TemperatureY(369);
    EXPECT_EQ(At(SlotMiddle(0, 1), oral), QColor(Qt::blue));
    EXPECT_EQ(At(SlotMiddle(0, 1) - 4, oral), QColor(Qt::blue));
    EXPECT_NE(At(SlotMiddle(0, 1), oral + 8), QColor(Qt::blue));
    const int axillary = TemperatureY(381);
    EXPECT_EQ(At(SlotMiddle(0, 3), axillary), QColor(Qt::blue));
    EXPECT_EQ(At(SlotMiddle(0, 3) - 3, axillary - 3), QColor(Qt::blue));
    EXPECT_EQ(At(SlotMiddle(0, 3) + 3, axillary - 3), QColor(Qt::blue));
    EXPECT_EQ(At(SlotMiddle(0, 3), axillary - 3), QColor(Qt::white));
    const int rectal = TemperatureY(355);
    EXPECT_EQ(At(SlotMiddle(0, 5), rectal), QColor(Qt::white));
    EXPECT_EQ(At(SlotMiddle(0, 5) - 5, rectal), QColor(Qt::blue));
}

TEST_F(VitalSigns, DrawsFortyTwoDegreesJustAboveTheGraph)
{
    Day(FirstDay).KB[2] = QStringLiteral("42.0");
    Draw();
    EXPECT_EQ(At(SlotMiddle(0, 2), l.GraphTop() - 1), QColor(Qt::blue));
}

TEST_F(VitalSigns, RunsTheLineOnPastValuesThatCannotBePlotted)
{
    for (const char* skipped : {"", "33.9", "42.1", "abc", "37,5"}) {
        chart.Days.clear();
        TemperatureData& day = Day(FirstDay);
        day.KB[0] = QStringLiteral("37.3");
        day.KB[1] = QString::fromLatin1(skipped);
        day.KB[2] = QStringLiteral("37.3");
        Draw();
        const int y = TemperatureY(373);
        EXPECT_EQ(At(SlotMiddle(0, 1), y), QColor(Qt::blue)) << skipped;
        EXPECT_NE(At(SlotMiddle(0, 1), y - 4), QColor(Qt::blue)) << skipped;
        EXPECT_TRUE(TextAt(l.L + 4 * l.DW + 20, l.Yb() + 2 * l.AW, QStringLiteral("脉搏")))
            << "the page is drawn whole past " << skipped;
    }
}

TEST_F(VitalSigns, JoinsValuesAcrossADayWithoutRecord)
{
    Day(FirstDay).GB[5] = QStringLiteral("37.3");
    Day(ThirdDay).GB[0] = QStringLiteral("37.3");
    Draw();
    EXPECT_EQ(At(SlotMiddle(1, 3), TemperatureY(373)), QColor(Qt::blue));
}

TEST_F(VitalSigns, CombinesThePulseWithTheTemperatureSymbolItFallsOn)
{
    const struct {
        SlotTexts TemperatureData::*item;
        QColor centre;
        int ring; // distance of the outline left of the centre
        QColor outline;
    } cases[] = {
        {nullptr, Qt::red, 4, Qt::red},
        {&TemperatureData::KB, Qt::blue, 6, Qt::red},
        {&TemperatureData::YB, Qt::blue, 6, Qt::red},
        {&TemperatureData::GB, Qt::red, 5, Qt::blue},
    };
    for (const auto& c : cases) {
        chart.Days.clear();
        TemperatureData& day = Day(FirstDay);
        day.MB[2] = QStringLiteral("80");
        if (c.item)
            (day.*c.item)[2] = QStringLiteral("37.0");
        Draw();
        const int x = SlotMiddle(0, 2);
        const int y = l.GraphTop() + 400;
        EXPECT_EQ(At(x, y), c.centre);
        EXPECT_EQ(At(x - c.ring, y), c.outline);
    }
}

TEST_F(VitalSigns, KeepsOrdinarySymbolsWhenPulseAndTemperatureDifferByHalfARow)
{
    TemperatureData& day = Day(FirstDay);
    day.MB[2] = QStringLiteral("81");
    day.KB[2] = QStringLiteral("37.0");
    Draw();
    EXPECT_EQ(At(SlotMiddle(0, 2), l.GraphTop() + 400), QColor(Qt::blue));
    EXPECT_EQ(At(SlotMiddle(0, 2), l.GraphTop() + 392), QColor(Qt::red));
}

TEST_F(VitalSigns, CoversAPulseWithTheWhiteCircleOfAnEqualHeartRate)
{
    TemperatureData& day = Day(FirstDay);
    day.MB[4] = QStringLiteral("100");
    day.XL[4] = QStringLiteral("100");
    Draw();
    const int y = l.GraphTop() + 320;
    EXPECT_EQ(At(SlotMiddle(0, 4), y), QColor(Qt::white));
    EXPECT_EQ(At(SlotMiddle(0, 4) - 5, y), QColor(Qt::red));
}

TEST_F(VitalSigns, HangsCoolingFromTheAxillaryTemperatureByADashedLine)
{
    TemperatureData& day = Day(SecondDay);
    day.YB[2] = QStringLiteral("39.0");
    day.WLJW[2] = QStringLiteral("37.5");
    Draw();
    const int x = SlotMiddle(1, 2);
    const int top = TemperatureY(390);
    const int cooling = TemperatureY(375);
    EXPECT_EQ(At(x, top + 7), QColor(Qt::red));
    EXPECT_EQ(At(x, top + 10), QColor(Qt::white)); // a gap
    EXPECT_EQ(At(x, top + 13), QColor(Qt::red));
    EXPECT_EQ(At(x, cooling), QColor(Qt::white));
    EXPECT_EQ(At(x - 5, cooling), QColor(Qt::red));
}

TEST_F(VitalSigns, MarksCoolingEqualToTheAxillaryValueWithTwoShortLines)
{
    TemperatureData& day = Day(SecondDay);
    day.YB[2] = QStringLiteral("37.5");
    day.WLJW[2] = QStringLiteral("37.5");
    Draw();
    const int x = SlotMiddle(1, 2);
    const int y = TemperatureY(375);
    EXPECT_EQ(At(x, y - 10), QColor(Qt::red));
    EXPECT_EQ(At(x, y - 6), QColor(Qt::red));
    EXPECT_EQ(At(x, y), QColor(Qt::blue));
}

TEST_F(VitalSigns, LeavesOutCoolingWithoutAnAxillaryValue)
{
    TemperatureData& day = Day(SecondDay);
    day.KB[2] = QStringLiteral("39.0");
    day.WLJW[2] = QStringLiteral("37.5");
    Draw();
    const int x = SlotMiddle(1, 2);
    const int cooling = TemperatureY(375);
    EXPECT_NE(At(x, TemperatureY(390) + 7), QColor(Qt::red));
    EXPECT_EQ(CountColour(page, QRect(x - 7, cooling - 7, 15, 15), Qt::red), 0);
}

TEST(SmoothLine, BlendsTheEdgesIntoTheBackground)
{
    QImage image(8, 8, QImage::Format_RGB32);
    image.fill(QColor(100, 150, 200));
    {
        Canvas canvas(image);
        DrawSmoothLine(canvas, QPoint(4, 3), QPoint(0, 2), Qt::red);  // mostly horizontal
        DrawSmoothLine(canvas, QPoint(6, 3), QPoint(5, 7), Qt::blue); // mostly vertical
    }
    // At x = 1 the line is a quarter of the way down: g = 2.25.
    EXPECT_EQ(image.pixel(1, 1), qRgb(25 + 191, 37 + 0, 50 + 0));
    EXPECT_EQ(image.pixel(1, 2), qRgb(255, 0, 0));
    EXPECT_EQ(image.pixel(1, 3), qRgb(75 + 63, 112, 150));
    EXPECT_EQ(image.pixel(0, 2), qRgb(255, 0, 0)); // both ends are drawn
    EXPECT_EQ(image.pixel(4, 3), qRgb(255, 0, 0));
    // At y = 6 the vertical line has moved a quarter pixel from x = 5: g = 5.25.
    EXPECT_EQ(image.pixel(4, 6), qRgb(25, 37, 50 + 191));
    EXPECT_EQ(image.pixel(5, 6), qRgb(0, 0, 255));
    EXPECT_EQ(image.pixel(6, 6), qRgb(75, 112, 150 + 63));
}

TEST(DashLine, DrawsThreePixelDashesSixApart)
{
    QImage image(30, 30, QImage::Format_RGB32);
    image.fill(Qt::white);
    {
        Canvas canvas(image);
        DrawDashLine(canvas, QPoint(2, 20), QPoint(2, 2));
        DrawDashLine(canvas, QPoint(5, 25), QPoint(20, 25));
    }
    QString vertical;
    QString horizontal;
    for (int i = 0; i < 24; ++i) {
        vertical += image.pixelColor(2, i) == Qt::black ? u'#' : u'.';
        horizontal += image.pixelColor(i, 25) == Qt::black ? u'#' : u'.';
    }
    EXPECT_EQ(vertical, QStringLiteral("..###...###...###...###."));
    EXPECT_EQ(horizontal, QStringLiteral(".....###...###...###...."));
}

} // namespace
} // namespace kelvaro::test
