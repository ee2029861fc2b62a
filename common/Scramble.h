#pragma once
#include <QByteArray>
#include <QString>

namespace kelvaro
{

QString ByteToHex(quint8 byte);
// Hex text of the code page bytes of `text`.
QString TextToHex(const QString& text);
// "" for odd length; *ok is false when a pair is not hexadecimal.
QString HexToText(const QString& hex, bool* ok = nullptr);

QByteArray ScrambleBytes(const QByteArray& plain);
QByteArray UnscrambleBytes(const QByteArray& scrambled, bool* ok = nullptr);
QString Scramble(const QString& text);
QString Unscramble(const QString& scrambled, bool* ok = nullptr);

} // namespace kelvaro
