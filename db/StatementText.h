#pragma once
#include <QString>

namespace kelvaro
{

// The text rewrites of the statement layer. Each works outside single, double
// and back quotes only, so literal values are never touched.

// Every "::" becomes ":" (the parameter scan's escape for a literal colon).
QString ApplyColonRule(const QString& sql);
// "#" date delimiters become "'", so SQLite compares the dates as text.
QString QuoteDateLiterals(const QString& sql);
// "[name]" becomes "name" for engines that do not know square brackets.
QString DropSquareBrackets(const QString& sql);

} // namespace kelvaro
