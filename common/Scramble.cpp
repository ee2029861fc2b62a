#include "common/Scramble.h"

#include "common/CodePage.h"

#include <optional>

namespace kelvaro
{

namespace
{

constexpr char hexDigits[] = "0123456789ABCDEF";

QByteArray HexOf(const QByteArray& bytes)
{
    QByteArray hex;
    hex.reserve(bytes.size() * 2);
    for (const char byte : bytes) {
        const auto value = static_cast<quint8>(byte);
        hex.append(hexDigits[value >> 4]);
        hex.append(hexDigits[value & 0x0F]);
    }
    return hex;
}

int NibbleOf(char digit)
{
    if (digit >= '0' && digit <= '9')
        return digit - '0';
    if (digit >= 'A' && digit <= 'F')
        return digit - 'A' + 10;
    if (digit >= 'a' && digit <= 'f')
        return digit - 'a' + 10;
    return -1;
}

// Empty for odd length; nothing when a pair is not hexadecimal.
std::optional<QByteArray> BytesOfHex(const QByteArray& hex)
{
    QByteArray bytes;
    if (hex.size() % 2 != 0)
        return bytes;
    for (qsizetype i = 0; i < hex.size(); i += 2) {
        const int high = NibbleOf(hex[i]);
        const int low = NibbleOf(hex[i + 1]);
        if (high < 0 || low < 0)
            return std::nullopt;
        bytes.append(static_cast<char>(high << 4 | low));
    }
    return bytes;
}

// The scrambled digits are F4..F7, 88..8D and 85..87, 98..9A: every pair of
// them is a double-byte character, so scrambled text survives text columns.
char ScrambleByte(char byte)
{
    quint8 c = static_cast<quint8>(byte);
    c ^= 0x80;
    c += 12;
    c ^= 0x48;
    return static_cast<char>(c);
}

char UnscrambleByte(char byte)
{
    quint8 c = static_cast<quint8>(byte);
    c ^= 0x48;
    c -= 12;
    c ^= 0x80;
    return static_cast<char>(c);
}

QByteArray Transformed(QByteArray bytes, char (*transform)(char))
{
    for (char& byte : bytes)
        byte = transform(byte);
    return bytes;
}

void Report(bool* ok, bool value)
{
    if (ok)
        *ok = value;
}

} // namespace

QString ByteToHex(quint8 byte)
{
    return QString::fromLatin1(HexOf(QByteArray(1, static_cast<char>(byte))));
}

QString TextToHex(const QString& text)
{
    return QString::fromLatin1(HexOf(ToCodePage(text)));
}

QString HexToText(const QString& hex, bool* ok)
{
    // A character outside Latin-1 becomes '?', which is no hex digit.
    const std::optional<QByteArray> bytes = BytesOfHex(hex.toLatin1());
    Report(ok, bytes.has_value());
    return FromCodePage(bytes.value_or(QByteArray()));
}

QByteArray ScrambleBytes(const QByteArray& plain)
{
    return Transformed(HexOf(plain), ScrambleByte);
}

QByteArray UnscrambleBytes(const QByteArray& scrambled, bool* ok)
{
    const std::optional<QByteArray> bytes = BytesOfHex(Transformed(scrambled, UnscrambleByte));
    Report(ok, bytes.has_value());
    return bytes.value_or(QByteArray());
}

QString Scramble(const QString& text)
{
    return FromCodePage(ScrambleBytes(ToCodePage(text)));
}

QString Unscramble(const QString& scrambled, bool* ok)
{
    return FromCodePage(UnscrambleBytes(ToCodePage(scrambled), ok));
}

} // namespace kelvaro
