#include "common/CodePage.h"
#include "model/ChartDocument.h"

#include <gtest/gtest.h>

using namespace kelvaro;

namespace
{

// A document of patient P1, admission S1, around the given day elements.
QByteArray Document(const QString& days, const QString& serialNumber = QStringLiteral("S1"))
{
    return ToCodePage(QStringLiteral("<?xml version=\"1.0\" encoding=\"GB2312\"?>\n"
                                     "<Root PatientID=\"P1\" SerialNumber=\"%1\">%2</Root>")
                          .arg(serialNumber, days));
}

QString Slot(const QString& memo, int order = 0)
{
    return QStringLiteral("<Data Order=\"%1\" Memo=\"%2\"/>").arg(order).arg(memo);
}

QString Day(const QString& date, const QString& temperature)
{
    return QStringLiteral("<Group Date=\"%1\"><Temperature>%2</Temperature></Group>")
        .arg(date, temperature);
}

TemperatureData RichDay(const QString& date)
{
    TemperatureData day;
    day.Date = date;
    day.YB[0] = QStringLiteral("36.5");
    day.MB[1] = QStringLiteral("80");
    day.Event[2] = QStringLiteral("入院");
    day.EventTime[2] = QStringLiteral("10:15");
    day.HXJ[5] = QStringLiteral("TRUE");
    day.Memo[4] = QStringLiteral("喆\n\tA&B<\"C\">\r");
    day.XY1 = QStringLiteral("120/80");
    day.DBCS = QStringLiteral("1     1/E");
    day.GMYW = QStringLiteral("青霉素");
    day.CHTS = QStringLiteral("3");
    day.OperationLog = {{"1", "2015-03-02 08:00:00", "admin"}, {"2", "2015-03-02 09:00:00", "王"}};
    return day;
}

} // namespace

TEST(DocumentReader, RoundTripGivesSameMapAndSameBytes)
{
    TemperatureDataMap days;
    days["2015-03-02"] = RichDay("2015-03-02");
    days["2015-03-03"].Date = "2015-03-03"; // no values, no log entries
    days["2015-03-09"] = RichDay("2015-03-09");

    const QByteArray written = DocumentWriter("P1", "S1", days);
    TemperatureDataMap read;
    ASSERT_TRUE(DocumentReader(written, "P1", "S1", read));
    EXPECT_EQ(read, days);
    EXPECT_EQ(DocumentWriter("P1", "S1", read), written);
}

TEST(DocumentReader, ReadsEscapingExampleBack)
{
    TemperatureDataMap read;
    ASSERT_TRUE(DocumentReader(
        Document(Day("2015-03-02", Slot(QStringLiteral("A&amp;B&lt;&quot;C&quot;>")))), "P1", "S1",
        read));
    EXPECT_EQ(read.at("2015-03-02").Memo[0], QStringLiteral("A&B<\"C\">"));
}

TEST(DocumentReader, DropsCharactersXmlCannotHoldButKeepsTheRest)
{
    TemperatureData day;
    day.Date = "2015-03-02";
    day.Memo[0] = QStringLiteral("a") + QChar(0x07) + QStringLiteral("b");
    TemperatureDataMap read;
    ASSERT_TRUE(DocumentReader(DocumentWriter("P1", "S1", {{day.Date, day}}), "P1", "S1", read));
    EXPECT_EQ(read.at("2015-03-02").Memo[0], QStringLiteral("ab"));
}

TEST(DocumentReader, RejectsWithEmptyMap)
{
    const QByteArray wellFormedDay = Document(Day("2015-03-02", Slot("x")));
    const QString twoDays = Day("2015-03-02", Slot("x")) + Day("2015-03-03", Slot("y"));
    const struct {
        const char* what;
        QByteArray text;
    } cases[] = {
        {"empty text", QByteArray()},
        {"not XML", QByteArray("<Root PatientID=\"P1\" SerialNumber=\"S1\"><Group")},
        {"other patient", EmptyDocument("P2", "S1")},
        {"other admission", Document(Day("2015-03-02", Slot("x")), "S2")},
        {"identity differing in case", EmptyDocument("p1", "S1")},
        // Read as it is parsed, a text broken after its days is still no document.
        {"cut after two days", Document(twoDays).chopped(3)},
        {"rubbish after the root", Document(twoDays) + "<Root>"},
        {"repeated day, then broken", Document(twoDays + Day("2015-03-02", "")).chopped(3)},
        {"no days, then broken", EmptyDocument("P1", "S1") + "<"},
        {"empty root element, then broken",
         "<Root PatientID=\"P1\" SerialNumber=\"S1\"/>" + QByteArray(100000, ' ') + "<"},
    };
    for (const auto& c : cases) {
        TemperatureDataMap days{{"stale", {}}};
        EXPECT_FALSE(DocumentReader(c.text, "P1", "S1", days)) << c.what;
        EXPECT_TRUE(days.empty()) << c.what;
    }
    TemperatureDataMap days;
    EXPECT_TRUE(DocumentReader(wellFormedDay, "P1", "S1", days));
}

TEST(DocumentReader, EmptyDocumentOfThePatientReadsAsNoDays)
{
    TemperatureDataMap days{{"stale", {}}};
    EXPECT_TRUE(DocumentReader(EmptyDocument("P1", "S1"), "P1", "S1", days));
    EXPECT_TRUE(days.empty());
}

TEST(DocumentReader, RepeatedDayKeepsTheFirstAndStops)
{
    const QByteArray text =
        Document(Day("2015-03-02", Slot("first")) + Day("2015-03-02", Slot("second")) +
                 Day("2015-03-05", Slot("third")));
    TemperatureDataMap days;
    EXPECT_FALSE(DocumentReader(text, "P1", "S1", days));
    ASSERT_EQ(days.size(), 1u);
    EXPECT_EQ(days.at("2015-03-02").Memo[0], QStringLiteral("first"));
}

TEST(DocumentReader, PositionDecidesTheSlot)
{
    QString eight, reordered;
    for (int i = 0; i < 8; ++i)
        eight += Slot(QString::number(i), i);
    for (int order = 5; order >= 0; --order)
        reordered += Slot(QString::number(order), order);
    const struct {
        const char* what;
        QString temperature;
        std::array<const char*, 6> memos;
    } cases[] = {
        {"eight children", eight, {"0", "1", "2", "3", "4", "5"}},
        {"two children", Slot("a") + Slot("b"), {"a", "b", "", "", "", ""}},
        {"listed as Order 5 to 0", reordered, {"5", "4", "3", "2", "1", "0"}},
        {"a comment first",
         QStringLiteral("<!-- c -->") + reordered,
         {"", "5", "4", "3", "2", "1"}},
        {"other element names",
         QStringLiteral("<X Memo=\"x\"/><Y Memo=\"y\"/>"),
         {"x", "y", "", "", "", ""}},
    };
    for (const auto& c : cases) {
        TemperatureDataMap days;
        ASSERT_TRUE(DocumentReader(Document(Day("2015-03-02", c.temperature)), "P1", "S1", days))
            << c.what;
        const TemperatureData& day = days.at("2015-03-02");
        for (int slot = 0; slot < 6; ++slot)
            EXPECT_EQ(day.Memo[slot], QString::fromUtf8(c.memos[slot])) << c.what << " " << slot;
    }
}

TEST(DocumentReader, ReorderedSlotsAreWrittenBackInSlotOrder)
{
    QString reordered;
    for (int order = 5; order >= 0; --order)
        reordered += Slot(QString::number(order), order);
    TemperatureDataMap days;
    ASSERT_TRUE(DocumentReader(Document(Day("2015-03-02", reordered)), "P1", "S1", days));
    const QString text = FromCodePage(DocumentWriter("P1", "S1", days));
    EXPECT_TRUE(
        text.contains(QStringLiteral("<Data Order=\"0\" YB=\"\" KB=\"\" GB=\"\" MB=\"\" "
                                     "HX=\"\" XL=\"\" Event=\"\" EventTime=\"\" Event2=\"\" "
                                     "EventTime2=\"\" WLJW=\"\" Memo=\"5\" HXJ=\"\" />")));
}

TEST(DocumentReader, CommentBetweenDaysIsNoDay)
{
    TemperatureDataMap days;
    ASSERT_TRUE(DocumentReader(Document(QStringLiteral("<!-- first -->") + Day("2015-03-02", "") +
                                        QStringLiteral("<!-- between -->") + Day("2015-03-03", "")),
                               "P1", "S1", days));
    ASSERT_EQ(days.size(), 2u);
    EXPECT_TRUE(days.count("2015-03-02") && days.count("2015-03-03"));
}

TEST(DocumentReader, EveryChildOfTheLogIsAnEntry)
{
    const QString day =
        QStringLiteral("<Day Date=\"2015-03-02\"><OperationLog>"
                       "<Item Type=\"1\" Date=\"2015-03-02 08:00:00\" Operator=\"a\"/>"
                       "<!-- note --><Other Type=\"2\"/>"
                       "</OperationLog></Day>");
    TemperatureDataMap days;
    ASSERT_TRUE(DocumentReader(Document(day), "P1", "S1", days));
    const OperationLogInfoVec expected = {{"1", "2015-03-02 08:00:00", "a"}, {}, {"2", "", ""}};
    EXPECT_EQ(days.at("2015-03-02").OperationLog, expected);
}

TEST(DocumentReader, DailyValuesComeFromOtherData)
{
    const QString day =
        QStringLiteral("<Group Date=\"2015-03-02\"><OtherData>"
                       "<TZ Value=\"65\"/><SHTS/><tz Value=\"66\"/><TZ Value=\"67\"/>"
                       "</OtherData><SG Value=\"outside\"/></Group>");
    TemperatureDataMap days;
    ASSERT_TRUE(DocumentReader(Document(day), "P1", "S1", days));
    const TemperatureData& read = days.at("2015-03-02");
    EXPECT_EQ(read.TZ, QStringLiteral("65"));
    EXPECT_EQ(read.SHTS, QString());
    EXPECT_EQ(read.SG, QString());
}

TEST(DocumentReader, DayWithoutDateSortsFirst)
{
    TemperatureDataMap days;
    ASSERT_TRUE(
        DocumentReader(Document(Day("2015-03-02", "") + QStringLiteral("<Group><Temperature>") +
                                Slot("undated") + QStringLiteral("</Temperature></Group>")),
                       "P1", "S1", days));
    ASSERT_EQ(days.size(), 2u);
    EXPECT_EQ(days.begin()->first, QString());
    EXPECT_EQ(days.begin()->second.Memo[0], QStringLiteral("undated"));
}

TEST(DocumentReader, DecodesCharactersBeyondGb2312)
{
    // 喆 is outside GB2312; code page 936 has it.
    const QByteArray text = "<?xml version=\"1.0\" encoding=\"GB2312\"?>"
                            "<Root PatientID=\"P1\" SerialNumber=\"S1\"><Group Date=\"d\">"
                            "<Temperature><Data Memo=\"" +
                            ToCodePage(QStringLiteral("喆")) + "\"/></Temperature></Group></Root>";
    TemperatureDataMap days;
    ASSERT_TRUE(DocumentReader(text, "P1", "S1", days));
    EXPECT_EQ(days.at("d").Memo[0], QStringLiteral("喆"));
}

TEST(DocumentReader, CountsDaysAsItReadsThem)
{
    // A comment and layout are no days; an element of any name is one.
    const QByteArray text =
        Document(QStringLiteral("<!-- note -->") + Day("2015-03-02", "") +
                 QStringLiteral("\n\t\t") + Day("2015-03-03", "") + QStringLiteral("<Other/>"));
    TemperatureDataMap days;
    ASSERT_TRUE(DocumentReader(text, "P1", "S1", days));
    ASSERT_EQ(days.size(), 3u);
    EXPECT_TRUE(HasMoreDaysThan(text, 2));
    EXPECT_FALSE(HasMoreDaysThan(text, 3));
    EXPECT_FALSE(HasMoreDaysThan(EmptyDocument("P1", "S1"), 0));
    EXPECT_FALSE(HasMoreDaysThan(QByteArray(), 0));
}

// Every character XML can hold, in memos: libxml2 and Qt once disagreed on
// 43 of them (龴 U+9FB4, ︐ U+FE10, some private-use ones), so that a chart
// with one of them written in could no longer be read.
TEST(DocumentReader, EveryCharacterReadsBackAsWritten)
{
    QString all;
    for (char32_t c = 1; c <= 0x10FFFF; ++c) {
        if (c == 0x9 || c == 0xA || c == 0xD || (c >= 0x20 && c <= 0xD7FF) ||
            (c >= 0xE000 && c <= 0xFFFD) || c >= 0x10000)
            all += QString::fromUcs4(&c, 1);
    }
    TemperatureDataMap days;
    const qsizetype perDay = 6 * 4096;
    for (qsizetype start = 0; start < all.size(); start += perDay) {
        const QString date = QStringLiteral("d%1").arg(start, 8, 10, QLatin1Char('0'));
        TemperatureData& day = days[date];
        day.Date = date;
        for (int slot = 0; slot < SlotCount; ++slot)
            day.Memo[slot] = all.mid(start + slot * 4096, 4096);
    }
    TemperatureDataMap read;
    ASSERT_TRUE(DocumentReader(DocumentWriter("P1", "S1", days), "P1", "S1", read));
    EXPECT_TRUE(read == days);
}
