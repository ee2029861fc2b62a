#pragma once
#include <QString>

namespace kelvaro
{

// `text` without the characters that no statement or XML document can carry:
// NUL and the other control characters but tab, line feed and carriage
// return, unpaired surrogates, U+FFFE and U+FFFF.
QString CarriableText(const QString& text);

} // namespace kelvaro
