#include "common/CodePage.h"

#include <QStringDecoder>
#include <QStringEncoder>

namespace kelvaro
{

// The converters reserve room for the longest possible result (four bytes a
// character one way); a chart document keeps only what it uses.
QByteArray ToCodePage(const QString& text)
{
    QStringEncoder encoder(CodePageName);
    QByteArray bytes = encoder.encode(text);
    bytes.squeeze();
    return bytes;
}

QString FromCodePage(const QByteArray& bytes)
{
    QStringDecoder decoder(CodePageName);
    QString text = decoder.decode(bytes);
    text.squeeze();
    return text;
}

} // namespace kelvaro
