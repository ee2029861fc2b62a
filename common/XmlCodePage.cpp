#include "common/CodePage.h"

#include <QStringDecoder>
#include <QStringEncoder>
#include <libxml/encoding.h>

#include <algorithm>
#include <mutex>

namespace kelvaro
{

namespace
{

// libxml2 would convert GB18030 with the C library's tables, which differ
// from Qt's in 43 characters (龴 U+9FB4 and ︐ U+FE10 among them): a document
// written with ToCodePage would then no longer read. libxml2 gets Qt's
// converter instead, fed whole characters only, since it hands over the text
// in blocks that may end inside one.

// The length of the GB18030 character at `in`: 0 when it is cut off by the
// end of the block, -1 when the bytes are no GB18030.
int CodePageCharLength(const unsigned char* in, int available)
{
    const auto between = [](unsigned char c, int low, int high) { return c >= low && c <= high; };
    if (in[0] < 0x80)
        return 1;
    if (!between(in[0], 0x81, 0xFE))
        return -1;
    if (available < 2)
        return 0;
    if (between(in[1], 0x40, 0x7E) || between(in[1], 0x80, 0xFE))
        return 2;
    if (!between(in[1], 0x30, 0x39))
        return -1;
    if (available < 4)
        return 0;
    return between(in[2], 0x81, 0xFE) && between(in[3], 0x30, 0x39) ? 4 : -1;
}

int Utf8CharLength(unsigned char lead)
{
    return lead < 0x80 ? 1 : lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : 2;
}

// Copies `bytes` to libxml2's buffer and reports what was used.
int Handed(const QByteArray& bytes, unsigned char* out, int* outlen, int used, int* inlen)
{
    if (bytes.size() > *outlen)
        return -1;
    std::copy(bytes.cbegin(), bytes.cend(), out);
    *outlen = int(bytes.size());
    *inlen = used;
    return *outlen;
}

// GB18030 to UTF-8: as many whole characters as surely fit (three bytes of
// UTF-8 at most for two of GB18030, four for four).
int CodePageToUtf8(unsigned char* out, int* outlen, const unsigned char* in, int* inlen)
{
    int used = 0, room = *outlen;
    while (used < *inlen) {
        const int length = CodePageCharLength(in + used, *inlen - used);
        if (length < 0 && used == 0)
            return -2;
        if (length <= 0 || room < length + 1)
            break;
        used += length;
        room -= length == 1 ? 1 : length + 1;
    }
    QStringDecoder decoder(CodePageName);
    const QString text = decoder.decode(QByteArrayView(in, used));
    if (decoder.hasError())
        return -2;
    return Handed(text.toUtf8(), out, outlen, used, inlen);
}

// UTF-8 to GB18030: as many whole characters as surely fit (four bytes each
// at most).
int Utf8ToCodePage(unsigned char* out, int* outlen, const unsigned char* in, int* inlen)
{
    if (!in) {
        *outlen = *inlen = 0;
        return 0;
    }
    int used = 0, room = *outlen;
    while (used < *inlen) {
        const int length = Utf8CharLength(in[used]);
        const int needed = length == 1 ? 1 : 4;
        if (length > *inlen - used || room < needed)
            break;
        used += length;
        room -= needed;
    }
    QStringEncoder encoder(CodePageName);
    const QByteArray bytes = encoder.encode(QString::fromUtf8(QByteArrayView(in, used)));
    if (encoder.hasError())
        return -2;
    return Handed(bytes, out, outlen, used, inlen);
}

} // namespace

void UseCodePageForXml()
{
    static std::once_flag once;
    std::call_once(once, [] {
        xmlNewCharEncodingHandler(CodePageName, CodePageToUtf8, Utf8ToCodePage);
        xmlAddEncodingAlias(CodePageName, "GB2312");
    });
}

} // namespace kelvaro
