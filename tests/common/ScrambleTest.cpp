#include "common/Scramble.h"
#include "common/CodePage.h"

#include <gtest/gtest.h>

namespace kelvaro
{
namespace
{

QByteArray AllByteValues()
{
    QByteArray bytes;
    for (int value = 0; value <= 0xFF; ++value)
        bytes.append(static_cast<char>(value));
    return bytes;
}

TEST(Scramble, ExampleGivesTheDocumentedBytes)
{
    const QByteArray expected = QByteArray::fromHex("8AF58AF68AF7");
    EXPECT_EQ(ScrambleBytes("abc"), expected);
    EXPECT_EQ(ToCodePage(Scramble(QStringLiteral("abc"))), expected);
    EXPECT_EQ(Unscramble(FromCodePage(expected)), QStringLiteral("abc"));
}

TEST(Scramble, EmptyStaysEmpty)
{
    bool ok = false;
    EXPECT_EQ(Scramble(QString()), QString());
    EXPECT_EQ(Unscramble(QString(), &ok), QString());
    EXPECT_TRUE(ok);
}

TEST(Scramble, EveryByteValueRoundTrips)
{
    const QByteArray all = AllByteValues();
    bool ok = false;
    EXPECT_EQ(UnscrambleBytes(ScrambleBytes(all), &ok), all);
    EXPECT_TRUE(ok);
}

// The scrambled bytes of all 256 byte values hold every pair of scrambled
// digits; each pair must survive as one character of text.
TEST(Scramble, EveryScrambledPairIsOneCharacterOfText)
{
    const QByteArray scrambled = ScrambleBytes(AllByteValues());
    const QString text = FromCodePage(scrambled);
    EXPECT_EQ(text.size(), scrambled.size() / 2);
    EXPECT_EQ(ToCodePage(text), scrambled);
}

TEST(Scramble, TextRoundTripsIncludingCharactersBeyondGb2312)
{
    for (const QString& plain : {QStringLiteral("Password1"), QStringLiteral("护士长 喆"),
                                 QStringLiteral("Provider=SQLOLEDB.1;😀")}) {
        bool ok = false;
        EXPECT_EQ(Unscramble(Scramble(plain), &ok), plain);
        EXPECT_TRUE(ok);
    }
}

TEST(Scramble, TextThatWasNeverScrambledIsAnError)
{
    bool ok = true;
    EXPECT_EQ(Unscramble(QStringLiteral("secret"), &ok), QString());
    EXPECT_FALSE(ok);
}

TEST(Hex, TextToHexUsesTheCodePageBytes)
{
    EXPECT_EQ(ByteToHex(0x0F), QStringLiteral("0F"));
    EXPECT_EQ(ByteToHex(0xA0), QStringLiteral("A0"));
    EXPECT_EQ(TextToHex(QStringLiteral("a中")), QStringLiteral("61D6D0"));
}

TEST(Hex, HexToTextCases)
{
    struct Case {
        QString hex;
        QString text;
        bool ok;
    };
    const Case cases[] = {
        {QStringLiteral("616263"), QStringLiteral("abc"), true},
        {QStringLiteral("61d6d0"), QStringLiteral("a中"), true}, // either letter case
        {QStringLiteral("616"), QString(), true},                // odd length gives ""
        {QString(), QString(), true},
        {QStringLiteral("6G"), QString(), false},
        {QStringLiteral("61 2"), QString(), false},
        {QStringLiteral("中中"), QString(), false},
    };
    for (const Case& c : cases) {
        bool ok = !c.ok;
        EXPECT_EQ(HexToText(c.hex, &ok), c.text) << c.hex.toStdString();
        EXPECT_EQ(ok, c.ok) << c.hex.toStdString();
    }
}

} // namespace
} // namespace kelvaro
