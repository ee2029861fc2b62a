#include "PageFixture.h"
#include "common/Scramble.h"

#include <QDate>

namespace kelvaro::test
{
namespace
{

class PageFrame : public PageFixture
{
};

TEST_F(PageFrame, DrawsNothingWithoutAPatientKey)
{
    chart.PatientID.clear();
    page = QImage(10, 10, QImage::Format_RGB32);
    page.fill(Qt::green);
    Draw();
    EXPECT_EQ(page.size(), QSize(10, 10));
    EXPECT_EQ(At(5, 5), QColor(Qt::green));
}

TEST_F(PageFrame, DrawsTheFrameHeaderLinesAndLowerRowLines)
{
    Draw();
    ASSERT_EQ(page.size(), QSize(800, 1160));
    EXPECT_EQ(At(5, 5), QColor(Qt::white));
    EXPECT_EQ(At(l.L, 600), QColor(Qt::black));
    EXPECT_EQ(At(l.W - l.R - 1, 600), QColor(Qt::black));
    EXPECT_EQ(At(400, l.T), QColor(Qt::black));
    EXPECT_EQ(At(400, l.Yb() - 1), QColor(Qt::black));
    const int x = l.SlotLeft(3, 1) + 8; // in a slot, away from texts and vertical lines
    for (int k = 1; k <= 5; ++k)
        EXPECT_EQ(At(x, l.T + k * l.RH), QColor(Qt::black)) << "header line " << k;
    for (int k = 1; k <= 9; ++k) {
        const QColor expected = k == 8 ? Qt::white : Qt::black;
        EXPECT_EQ(At(x, l.Yb() - k * l.RH), expected) << "lower row line " << k;
    }
    EXPECT_EQ(At(l.W - l.R - 2, l.Yb() - l.RH), QColor(Qt::black));
}

TEST_F(PageFrame, DrawsScaleLinesRedAtWholeDegreesAndBlackBetween)
{
    Draw();
    const int x = l.SlotLeft(2, 4) + 8;
    for (int k = 1; k <= 45; ++k) {
        const QColor expected = k % 5 == 0 && k < 45 ? Qt::red : Qt::black;
        EXPECT_EQ(At(x, l.GraphTop() + k * l.SH), expected) << "scale line " << k;
    }
    EXPECT_EQ(At(x, l.GraphTop() + 8), QColor(Qt::white));
    for (int k : {0, 5, 40}) {
        const int y = k == 0 ? l.GraphTop() + l.TH / 2 : l.GraphTop() + k * l.SH;
        EXPECT_TRUE(TextAt(l.LabelSplit() + 2 * l.AW, y, QString::number(42 - k / 5))) << k;
        EXPECT_TRUE(TextAt(l.L + 2 * l.AW, y, QString::number(180 - 4 * k))) << k;
    }
}

TEST_F(PageFrame, DrawsDayLinesSlotLinesAndTheLabelSplit)
{
    Draw();
    const int y = l.GraphTop() + 8;
    for (int day = 0; day < 7; ++day) {
        EXPECT_EQ(At(l.DayLeft(day), y), QColor(Qt::black)) << day;
        EXPECT_EQ(At(l.DayLeft(day), l.Yb() - 5), QColor(Qt::black)) << day;
        for (int slot = 1; slot < 6; ++slot)
            EXPECT_EQ(At(l.SlotLeft(day, slot), y), QColor(Qt::black)) << day << slot;
        // Only the middle slot line splits the blood pressure row.
        const int pressure = l.Yb() - 6 * l.RH - 5;
        EXPECT_EQ(At(l.SlotLeft(day, 3), pressure), QColor(Qt::black));
        EXPECT_EQ(At(l.SlotLeft(day, 2), pressure), QColor(Qt::white));
        EXPECT_EQ(At(l.SlotLeft(day, 1) + 8, y), QColor(Qt::white));
    }
    EXPECT_EQ(At(l.LabelSplit(), l.GraphTop() + 300), QColor(Qt::black));
    EXPECT_EQ(At(l.LabelSplit(), l.GraphBottom() + 10), QColor(Qt::white));
}

TEST_F(PageFrame, LabelsTheSlotsWithTheirHours)
{
    for (int start : {2, 4}) {
        settings.StartHour = start;
        Draw();
        const int y = l.T + 3 * l.RH + l.TH / 2;
        int hour = start;
        for (int slot = 0; slot < 6; ++slot, hour = (hour + 4) % 24) {
            const int x = l.SlotLeft(5, slot) + (hour < 10 ? l.AW - 1 : 2);
            EXPECT_TRUE(TextAt(x, y, QString::number(hour))) << start << " slot " << slot;
        }
    }
}

TEST_F(PageFrame, WritesTheTitleCentredAndTheHeaderOfThePatient)
{
    chart.Title = Scramble(QStringLiteral("人民医院体温单"));
    chart.Name = QStringLiteral("张三");
    chart.SerialNumber = QStringLiteral("2015001");
    const TextFont title{Canvas::TitleFace(), 18, true};
    const QSize titleFont = MeasureFont(title);
    for (bool offset : {false, true}) {
        settings = {2, 40, 7, offset};
        Draw();
        EXPECT_EQ(page.width(), offset ? 840 : 800);
        const int x = (800 - 23 - 23 - 14 * titleFont.width()) / 2 + (offset ? 47 : 0);
        const int y = (10 * 110 - 25 * titleFont.height()) / 10;
        EXPECT_TRUE(HasTextAt(page, x, y, QStringLiteral("人民医院体温单"), Qt::black, title))
            << offset;
        EXPECT_TRUE(TextAt(l.L, (1100 - 14 * l.TH) / 10, QStringLiteral("姓名："))) << offset;
        EXPECT_TRUE(TextAt(l.L + 6 * l.AW, (1100 - 16 * l.TH) / 10, chart.Name)) << offset;
        EXPECT_EQ(At(l.L, 600), QColor(Qt::black)) << offset; // the frame moved too
        const int serialX = l.L + 111 * l.AW + 10;
        EXPECT_TRUE(TextAt(serialX, (1100 - 16 * l.TH) / 10, chart.SerialNumber)) << offset;
    }
}

struct DateCase {
    const char* admission;
    int week;
    int column;
    const char* text;
    int shiftInAW; // left of the column centre
};

TEST_F(PageFrame, WritesTheFullDateFirstThenMonthAndDayAtANewMonthThenTheDay)
{
    const DateCase cases[] = {
        {"2015-03-01", 1, 0, "15-03-01", 3}, {"2015-03-01", 1, 1, "02", 1},
        {"2015-02-26", 1, 3, "03-01", 3},    {"2015-02-26", 1, 4, "02", 1},
        {"2014-12-30", 1, 2, "15-01-01", 3}, {"2015-03-01", 2, 0, "15-03-08", 3},
    };
    for (const DateCase& c : cases) {
        chart.InHospitalDate = QString::fromLatin1(c.admission);
        Draw(c.week);
        const int centre = l.DayLeft(c.column) + l.DW / 2;
        EXPECT_TRUE(
            TextAt(centre - c.shiftInAW * l.AW, l.T + l.RH - l.TH - 5, QString::fromLatin1(c.text)))
            << c.admission << " column " << c.column;
    }
}

TEST_F(PageFrame, ShiftsTheDayOfStayAndDaysAfterSurgeryByTheWidthOfTheNumber)
{
    const QDate admission(2015, 3, 1);
    for (int d : {0, 1, 14, 15})
        Day(admission.addDays(d).toString(QStringLiteral("yyyy-MM-dd"))).SHTS = QStringLiteral("7");
    const struct {
        int week;
        int column;
        int stay;
        int shiftInAW;
    } cases[] = {{1, 0, 1, 0}, {1, 1, 2, 1}, {3, 0, 15, 0}, {3, 1, 16, 2}};
    for (const auto& c : cases) {
        Draw(c.week);
        const int x = l.DayLeft(c.column) + l.DW / 2 - c.shiftInAW * l.AW;
        EXPECT_TRUE(TextAt(x, l.T + l.RH + l.TH - 8, QString::number(c.stay))) << c.stay;
        EXPECT_TRUE(TextAt(x, l.T + 2 * l.RH + l.TH - 8, QStringLiteral("7"))) << c.stay;
    }
}

TEST_F(PageFrame, StartsTodayWhenTheAdmissionDateCannotBeRead)
{
    chart.InHospitalDate = QStringLiteral("not a date");
    Draw();
    EXPECT_TRUE(TextAt(l.DayLeft(0) + l.DW / 2 - 3 * l.AW, l.T + l.RH - l.TH - 5,
                       QDate::currentDate().toString(QStringLiteral("yy-MM-dd"))));
}

} // namespace
} // namespace kelvaro::test
