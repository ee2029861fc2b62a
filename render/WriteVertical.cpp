#include "common/CodePage.h"
#include "render/ChartPage.h"

namespace kelvaro
{

namespace
{

// One character, a surrogate pair counting as one.
qsizetype CharLength(const QString& text, qsizetype at)
{
    return text.at(at).isHighSurrogate() && at + 1 < text.size() ? 2 : 1;
}

// The characters of the next line: two code page bytes, that is one Chinese
// character or two narrow ones. A character is never split; one beyond the
// code page (four bytes) stands on its own line.
QString NextLine(const QString& text, qsizetype at, qsizetype* bytes)
{
    QString line;
    *bytes = 0;
    while (at < text.size()) {
        const QString c = text.mid(at, CharLength(text, at));
        const qsizetype size = ToCodePage(c).size();
        if (!line.isEmpty() && *bytes + size > 2)
            break;
        line += c;
        *bytes += size;
        at += c.size();
    }
    return line;
}

} // namespace

void WriteVertical(ChartPage& page, int x, int y, const QString& text)
{
    qsizetype at = 0;
    while (at < text.size()) {
        qsizetype bytes = 0;
        const QString line = NextLine(text, at, &bytes);
        at += line.size();
        // A lone byte at the end has no partner and is left out.
        if (bytes != 1 || at < text.size())
            page.Paint.TextOut(x, y, line);
        y += page.Layout.TH + 3;
    }
}

} // namespace kelvaro
