#include "PageFixture.h"
#include "render/ChartPage.h"

namespace kelvaro::test
{
namespace
{

const QString FirstDay = QStringLiteral("2015-03-01");

class LowerRows : public PageFixture
{
protected:
    int RespirationY(bool upper) const
    {
        return (10 * (l.Yb() - (upper ? 9 : 8) * l.RH) + 5 * l.TH) / 10;
    }
    int RespirationX(int day, int slot) const
    {
        return (10 * l.SlotLeft(day, slot) + 4 * l.AW) / 10;
    }
    int RowTextY(int rowsUp) const { return (10 * (l.Yb() - rowsUp * l.RH) - 13 * l.TH) / 10; }
};

TEST_F(LowerRows, AlternatesRespirationBetweenTheHalvesOfItsRow)
{
    TemperatureData& first = Day(FirstDay);
    first.HX[0] = QStringLiteral("18");
    first.HX[1] = QStringLiteral("20");
    first.HX[3] = QStringLiteral("19"); // the empty slot 2 does not count
    Day(QStringLiteral("2015-03-02")).HX[0] = QStringLiteral("22");
    Draw();
    EXPECT_TRUE(TextAt(RespirationX(0, 0), RespirationY(true), QStringLiteral("18"), Qt::red));
    EXPECT_TRUE(TextAt(RespirationX(0, 1), RespirationY(false), QStringLiteral("20"), Qt::red));
    EXPECT_TRUE(TextAt(RespirationX(0, 3), RespirationY(true), QStringLiteral("19"), Qt::red));
    EXPECT_TRUE(TextAt(RespirationX(1, 0), RespirationY(false), QStringLiteral("22"), Qt::red));
}

TEST_F(LowerRows, WritesTheDailyValuesInTheirRows)
{
    TemperatureData& day = Day(QStringLiteral("2015-03-03"));
    day.XY1 = QStringLiteral("120/80");
    day.XY2 = QStringLiteral("130/85");
    day.RL = QStringLiteral("1500");
    day.CL = QStringLiteral("800");
    day.DBCS = QStringLiteral("0/E");
    day.XBCS = QStringLiteral("5");
    day.TZ = QStringLiteral("65");
    day.GMYW = QStringLiteral("青霉素头孢类磺胺类");
    Draw();
    const int left = l.DayLeft(2);
    const int middle = left + l.DW / 2 - 2 * l.AW;
    EXPECT_TRUE(TextAt(left + l.DW / 4 - 3 * l.AW, RowTextY(6), day.XY1));
    EXPECT_TRUE(TextAt(left + l.DW / 2 + 5, RowTextY(6), day.XY2));
    const std::pair<const QString*, int> rows[] = {
        {&day.RL, 5}, {&day.CL, 4}, {&day.DBCS, 3}, {&day.XBCS, 2}, {&day.TZ, 1}};
    for (const auto& [value, rowsUp] : rows)
        EXPECT_TRUE(TextAt(middle, RowTextY(rowsUp), *value)) << value->toStdString();
    EXPECT_TRUE(TextAt(left + 3, RowTextY(0), day.GMYW)); // runs on into the next column
}

// Separate specks of black inside `area`; pixels touching at a side or a corner
// belong to one.
int InkSpecks(const QImage& image, const QRect& area)
{
    std::vector<bool> seen(size_t(area.width() * area.height()));
    const auto fresh = [&](QPoint p) {
        const size_t at = size_t((p.y() - area.top()) * area.width() + p.x() - area.left());
        if (!area.contains(p) || seen[at] || image.pixelColor(p) != Qt::black)
            return false;
        seen[at] = true;
        return true;
    };
    int specks = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            if (!fresh({x, y}))
                continue;
            ++specks;
            std::vector<QPoint> open{{x, y}};
            while (!open.empty()) {
                const QPoint p = open.back();
                open.pop_back();
                for (int dy = -1; dy <= 1; ++dy)
                    for (int dx = -1; dx <= 1; ++dx)
                        if (fresh(p + QPoint(dx, dy)))
                            open.push_back(p + QPoint(dx, dy));
            }
        }
    }
    return specks;
}

// The reference mark of the stool and urine rows keeps its four dots beside the
// cross at 8 points: specks apart from the cross (one dot may touch it at a
// corner), not the one blot of a plain ×.
TEST_F(LowerRows, DrawsTheReferenceMarkWithItsFourDots)
{
    Day(FirstDay).DBCS = QStringLiteral("※");
    Draw();
    const QRect cell(l.DayLeft(0) + l.DW / 2 - 2 * l.AW, RowTextY(3), 2 * l.AW + 6, l.TH);
    EXPECT_GE(InkSpecks(page, cell), 4);
}

TEST_F(LowerRows, DrawsTheLegendAndThePageNumberBelowTheFrame)
{
    Draw(12);
    const int y0 = l.Yb() + 2 * l.AW;
    EXPECT_TRUE(TextAt(l.L + 30, y0, QStringLiteral("肛温")));
    EXPECT_EQ(At(l.L + 16, y0 + 6), QColor(Qt::white));
    EXPECT_EQ(At(l.L + 10, y0 + 6), QColor(Qt::blue));
    EXPECT_EQ(At(l.L + l.DW + 6, y0 + 6), QColor(Qt::blue));
    EXPECT_TRUE(TextAt(l.L + l.DW + 20, y0, QStringLiteral("口温")));
    EXPECT_EQ(At(l.L + 2 * l.DW + 5, y0 + 5), QColor(Qt::blue));
    EXPECT_TRUE(TextAt(l.L + 2 * l.DW + 20, y0, QStringLiteral("腋温")));
    EXPECT_EQ(At(l.L + 3 * l.DW + 6, y0 + 6), QColor(Qt::white));
    EXPECT_TRUE(TextAt(l.L + 3 * l.DW + 20, y0, QStringLiteral("心率")));
    EXPECT_EQ(At(l.L + 4 * l.DW + 6, y0 + 6), QColor(Qt::red));
    EXPECT_TRUE(TextAt(l.L + 4 * l.DW + 20, y0, QStringLiteral("脉搏")));
    EXPECT_EQ(At(l.L + 5 * l.DW + 1, y0 + 7), QColor(Qt::red));
    EXPECT_EQ(At(l.L + 5 * l.DW + 4, y0 + 7), QColor(Qt::white));
    EXPECT_TRUE(TextAt(l.L + 5 * l.DW + 70, y0, QStringLiteral("物理降温")));
    EXPECT_TRUE(TextAt(l.L + 7 * l.DW + 45, y0, QStringLiteral("第 12 页")));
}

class GraphTexts : public PageFixture
{
protected:
    // Whether the characters stand one under the other from (x, y).
    bool VerticalAt(int x, int y, const QStringList& lines, QColor ink) const
    {
        for (const QString& line : lines) {
            if (!TextAt(x, y, line, ink))
                return false;
            y += l.TH + 3;
        }
        return true;
    }
    QStringList Split(const char16_t* chars) const
    {
        QStringList lines;
        for (QChar c : QString::fromUtf16(chars))
            lines << QString(c);
        return lines;
    }
};

TEST_F(GraphTexts, WritesAnEventWithItsTimeDownTheColumnOfTheTime)
{
    TemperatureData& day = Day(QStringLiteral("2015-03-03"));
    day.Event[0] = QStringLiteral("入院");
    day.EventTime[0] = QStringLiteral("10:30");
    Draw();
    QStringList lines = Split(u"入院");
    lines << QStringLiteral(" |") << Split(u"十点三十分");
    EXPECT_TRUE(VerticalAt(l.SlotLeft(2, 2) + 3, l.GraphTop() + 2, lines, Qt::red));
}

TEST_F(GraphTexts, PlacesEventsWithoutAUsableTime)
{
    const struct {
        const char16_t* event;
        const char* time;
        int column;
        const char16_t* written;
    } cases[] = {
        {u"手术", "09:00", 1, u"手术"},     // written without its time
        {u"请假", "", 0, u"请假"},          // no time: first column of its own day
        {u"转入", "15:xx", 3, u"转入"},     // minutes unreadable: the time is left out
        {u"出院", "22:15", 5, u"出院十点"}, // stored in slot 0, written in the last column
    };
    for (const auto& c : cases) {
        chart.Days.clear();
        TemperatureData& day = Day(QStringLiteral("2015-03-04"));
        day.Event[0] = QString::fromUtf16(c.event);
        day.EventTime[0] = QString::fromLatin1(c.time);
        Draw();
        const int x = l.SlotLeft(3, c.column) + 3;
        const QString written = QString::fromUtf16(c.written);
        EXPECT_TRUE(VerticalAt(x, l.GraphTop() + 2, Split(c.event), Qt::red))
            << written.toStdString();
        const int below = l.GraphTop() + 2 + 2 * (l.TH + 3);
        const bool timed = written.size() > 2;
        EXPECT_EQ(TextAt(x, below, QStringLiteral(" |"), Qt::red), timed) << written.toStdString();
    }
}

TEST_F(GraphTexts, WritesRemarksBelowTheLineOf35Degrees)
{
    Day(FirstDay).Memo[3] = QStringLiteral("不升");
    Draw();
    EXPECT_TRUE(VerticalAt(l.SlotLeft(0, 3) + 3, l.GraphTop() + 563, Split(u"不升"), Qt::black));
}

TEST_F(GraphTexts, CirclesAnRForSlotsOnTheVentilator)
{
    TemperatureData& day = Day(FirstDay);
    day.HXJ[1] = QStringLiteral("true");
    day.HXJ[2] = QStringLiteral("yes");
    Draw();
    const int y = l.GraphTop() + 40 * l.SH + 8;
    const int x = SlotMiddle(0, 1);
    EXPECT_TRUE(TextAt(x - 3, y - 7, QStringLiteral("R")));
    EXPECT_EQ(At(x - 7, y), QColor(Qt::black));
    EXPECT_EQ(At(x + 6, y), QColor(Qt::black));
    const int other = SlotMiddle(0, 2);
    EXPECT_EQ(CountColour(page, QRect(other - 6, y - 6, 13, 13), Qt::black), 0);
}

TEST_F(GraphTexts, WritesTwoBytesALineWithoutSplittingACharacter)
{
    const QString wide = QString::fromUcs4(U"\U00020000");
    const struct {
        QString text;
        QStringList lines;
    } cases[] = {
        {QStringLiteral("ab不c"), {QStringLiteral("ab"), QStringLiteral("不")}}, // lone last byte
        {QStringLiteral("a不"), {QStringLiteral("a"), QStringLiteral("不")}},
        {wide + QStringLiteral("不"), {wide, QStringLiteral("不")}},
    };
    for (const auto& c : cases) {
        chart.Days.clear();
        Day(FirstDay).Memo[0] = c.text;
        Draw();
        const int x = l.SlotLeft(0, 0) + 3;
        const int y = l.GraphTop() + 563;
        EXPECT_TRUE(VerticalAt(x, y, c.lines, Qt::black)) << c.text.toStdString();
        const int after = y + int(c.lines.size()) * (l.TH + 3);
        EXPECT_FALSE(TextAt(x, after, QStringLiteral("c"))) << c.text.toStdString();
    }
}

} // namespace
} // namespace kelvaro::test
