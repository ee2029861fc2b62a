#include "db/StatementText.h"

#include <functional>

namespace kelvaro
{

namespace
{

bool IsQuote(QChar c)
{
    return c == u'\'' || c == u'"' || c == u'`';
}

// Walks `sql` and lets `outside` rewrite the text outside quotes: it gets the
// position and appends what stands there, returning how many characters it took.
QString
RewriteOutsideQuotes(const QString& sql,
                     const std::function<qsizetype(const QString&, qsizetype, QString&)>& outside)
{
    QString out;
    out.reserve(sql.size());
    QChar quote;
    qsizetype i = 0;
    while (i < sql.size()) {
        const QChar c = sql.at(i);
        if (!quote.isNull()) {
            if (c == quote)
                quote = QChar();
            out += c;
            ++i;
        } else if (IsQuote(c)) {
            quote = c;
            out += c;
            ++i;
        } else {
            i += outside(sql, i, out);
        }
    }
    return out;
}

} // namespace

QString ApplyColonRule(const QString& sql)
{
    if (!sql.contains(QLatin1String("::")))
        return sql;
    return RewriteOutsideQuotes(sql, [](const QString& s, qsizetype i, QString& out) {
        out += s.at(i);
        return s.at(i) == u':' && i + 1 < s.size() && s.at(i + 1) == u':' ? 2 : 1;
    });
}

QString QuoteDateLiterals(const QString& sql)
{
    if (!sql.contains(u'#'))
        return sql;
    return RewriteOutsideQuotes(sql, [](const QString& s, qsizetype i, QString& out) {
        out += s.at(i) == u'#' ? QChar(u'\'') : s.at(i);
        return qsizetype(1);
    });
}

QString DropSquareBrackets(const QString& sql)
{
    if (!sql.contains(u'['))
        return sql;
    return RewriteOutsideQuotes(sql, [](const QString& s, qsizetype i, QString& out) {
        if (s.at(i) != u'[' && s.at(i) != u']')
            out += s.at(i);
        return qsizetype(1);
    });
}

} // namespace kelvaro
