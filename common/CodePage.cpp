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

QByteArray ToCodePage(const QString& text)
{
    QStringEncoder encoder(codePageName);
    return encoder.encode(text);
}

QString FromCodePage(const QByteArray& bytes)
{
    QStringDecoder decoder(codePageName);
    return decoder.decode(bytes);
}

void UseCodePageForXml()
{
    static std::once_flag once;
    std::call_once(once, [] { xmlAddEncodingAlias(codePageName, "GB2312"); });
}

} // namespace kelvaro
