#include "common/CodePage.h"

#include <QStringDecoder>
#include <QStringEncoder>
#include <libxml/encoding.h>
#include <mutex>

namespace kelvaro
{

namespace
{
constexpr const char* codePageName = "GB18030";
}

// The converters reserve room for the longest possible result (four bytes a
// character one way); a chart document keeps only what it uses.
QByteArray ToCodePage(const QString& text)
{
    QStringEncoder encoder(codePageName);
    QByteArray bytes = encoder.encode(text);
    bytes.squeeze();
    return bytes;
}

QString FromCodePage(const QByteArray& bytes)
{
    QStringDecoder decoder(codePageName);
    QString text = decoder.decode(bytes);
    text.squeeze();
    return text;
}

void UseCodePageForXml()
{
    static std::once_flag once;
    std::call_once(once, [] { xmlAddEncodingAlias(codePageName, "GB2312"); });
}

} // namespace kelvaro
