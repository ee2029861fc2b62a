#pragma once
#include <QByteArray>
#include <QString>

namespace kelvaro
{

// The byte form of text wherever bytes matter (chart documents, configuration,
// scrambling, byte-counting rules). GB18030 gives the code page 936 bytes for
// every character that code page has and still encodes every other character.
inline constexpr const char* CodePageName = "GB18030"; // for Qt's converters
QByteArray ToCodePage(const QString& text);
QString FromCodePage(const QByteArray& bytes);

// Makes libxml2 read and write documents declared "GB2312" as GB18030, so that
// characters beyond GB2312 (such as 喆) survive, with the very converter of
// ToCodePage and FromCodePage. Call before parsing; repeated calls do nothing.
void UseCodePageForXml();

} // namespace kelvaro
