#pragma once
#include <QByteArray>
#include <QString>

namespace kelvaro {

// The byte form of text wherever bytes matter (chart documents, configuration,
// scrambling, byte-counting rules). GB18030 gives the code page 936 bytes for
// every character that code page has and still encodes every other character.
QByteArray ToCodePage(const QString& text);
QString FromCodePage(const QByteArray& bytes);

} // namespace kelvaro
