#include "common/CodePage.h"
#include "model/ChartDocument.h"

#include <gtest/gtest.h>

using namespace kelvaro;

namespace
{

QString Text(const QByteArray& document)
{
    return FromCodePage(document);
}

TemperatureDataMap OneDay(const QString& date, const TemperatureData& day = {})
{
    TemperatureData record = day;
    record.Date = date;
    return {{date, record}};
}

} // namespace

TEST(DocumentWriter, DayWithoutValuesOrLogHasEveryLineWithEmptyValues)
{
    QString expected = QStringLiteral("<?xml version=\"1.0\" encoding=\"GB2312\"?>\n"
                                      "\t<Root PatientID=\"P1\" SerialNumber=\"S1\" >\n"
                                      "\t<Group Date=\"2015-03-02\" >\n"
                                      "\t\t<Temperature>\n");
    for (int slot = 0; slot < 6; ++slot) {
        expected +=
            QStringLiteral("\t\t\t<Data Order=\"%1\" YB=\"\" KB=\"\" GB=\"\" MB=\"\" HX=\"\" "
                           "XL=\"\" Event=\"\" EventTime=\"\" Event2=\"\" EventTime2=\"\" "
                           "WLJW=\"\" Memo=\"\" HXJ=\"\" />\n")
                .arg(slot);
    }
    expected += QStringLiteral("\t\t</Temperature>\n\t\t<OtherData>\n");
    for (const char* name :
         {"SHTS", "CHTS", "XY1", "XY2", "SG", "TZ", "DBCS", "XBCS", "RL", "CL", "NL", "GMYW"})
        expected += QStringLiteral("\t\t\t<%1 Value=\"\" />\n").arg(QLatin1String(name));
    expected += QStringLiteral("\t\t</OtherData>\n"
                               "\t\t<OperationLog>\n"
                               "\t\t</OperationLog>\n"
                               "\t</Group>\n"
                               "\t</Root>");

    EXPECT_EQ(Text(DocumentWriter("P1", "S1", OneDay("2015-03-02"))), expected);
}

TEST(DocumentWriter, LogEntriesFollowInLogOrder)
{
    TemperatureData day;
    day.OperationLog = {{"1", "2015-03-02 08:00:00", "nurse"}, {"2", "2015-03-02 09:30:00", "王"}};
    const QString text = Text(DocumentWriter("P1", "S1", OneDay("2015-03-02", day)));
    EXPECT_TRUE(text.contains(
        QStringLiteral("\t\t<OperationLog>\n"
                       "\t\t\t<Item Type=\"1\" Date=\"2015-03-02 08:00:00\" Operator=\"nurse\" />\n"
                       "\t\t\t<Item Type=\"2\" Date=\"2015-03-02 09:30:00\" Operator=\"王\" />\n"
                       "\t\t</OperationLog>\n")))
        << qPrintable(text);
}

TEST(DocumentWriter, EmptyMapIsTheEmptyDocument)
{
    const QByteArray empty = EmptyDocument("P1", "S1");
    EXPECT_EQ(empty, QByteArray("<?xml version=\"1.0\" encoding=\"GB2312\"?>\n"
                                "\t<Root PatientID=\"P1\" SerialNumber=\"S1\" >\n"
                                "\t</Root>"));
    EXPECT_EQ(DocumentWriter("P1", "S1", {}), empty);
    EXPECT_EQ(EmptyDocument("", "S1"), QByteArray());
    EXPECT_EQ(EmptyDocument("P1", ""), QByteArray());
}

TEST(DocumentWriter, DaysAppearInDateOrder)
{
    TemperatureDataMap days;
    for (const char* date : {"2015-03-10", "2015-03-02", "2015-02-28"})
        days[date].Date = date;
    const QString text = Text(DocumentWriter("P1", "S1", days));
    const qsizetype first = text.indexOf(QStringLiteral("Date=\"2015-02-28\""));
    const qsizetype second = text.indexOf(QStringLiteral("Date=\"2015-03-02\""));
    const qsizetype third = text.indexOf(QStringLiteral("Date=\"2015-03-10\""));
    EXPECT_GE(first, 0);
    EXPECT_LT(first, second);
    EXPECT_LT(second, third);
}

TEST(DocumentWriter, EscapesValues)
{
    struct Case {
        QString memo;
        QString written;
    };
    const Case cases[] = {
        {QStringLiteral("A&B<\"C\">"), QStringLiteral("Memo=\"A&amp;B&lt;&quot;C&quot;>\"")},
        {QStringLiteral("a\nb\rc\td"), QStringLiteral("Memo=\"a&#10;b&#13;c&#9;d\"")},
        // Characters XML cannot hold are left out; those outside the BMP stay.
        {QStringLiteral("a") + QChar(0x01) + QChar(0xFFFE) + QChar(0xD800) + QStringLiteral("b"),
         QStringLiteral("Memo=\"ab\"")},
        {QString::fromUcs4(U"x\U00020000y"), QString::fromUcs4(U"Memo=\"x\U00020000y\"")},
    };
    for (const Case& c : cases) {
        TemperatureData day;
        day.Memo[3] = c.memo;
        const QString text = Text(DocumentWriter("P1", "S1", OneDay("2015-03-02", day)));
        EXPECT_TRUE(text.contains(c.written)) << qPrintable(c.written);
    }
}

TEST(DocumentWriter, WritesCodePageBytes)
{
    TemperatureData day;
    day.GMYW = QStringLiteral("青霉素");
    const QByteArray document = DocumentWriter("P1", "S1", OneDay("2015-03-02", day));
    // 青霉素 in code page 936.
    EXPECT_TRUE(document.contains("<GMYW Value=\"\xC7\xE0\xC3\xB9\xCB\xD8\" />"));
}
