#include "render/ChartPage.h"

namespace kelvaro
{

void DrawRowLabels(ChartPage& page)
{
    const ChartLayout& l = page.Layout;
    const int aw = l.AW;
    const int head = l.T - l.TH - 5; // text top of header row k is head + k·RH
    const int yb = l.Yb();
    struct Label {
        const char16_t* text;
        int x;
        int y;
    };
    const Label labels[] = {
        {u"日  期", l.L + 2 * aw, head + l.RH},
        {u"住院天数", l.L + aw, head + 2 * l.RH},
        {u"术后/产后天数", l.L + aw - 4, head + 3 * l.RH},
        {u"时  间", l.L + 2 * aw, head + 4 * l.RH},
        {u"脉搏", Tenths(l.L, 15, aw), head + 5 * l.RH},
        {u"体温", Tenths(l.L + l.LW / 2, 15, aw), head + 5 * l.RH},
        {u"呼吸(次/分)", l.L + aw, Tenths(yb - 8 * l.RH, -5, l.TH)},
        {u"血压(mmHg)", l.L + aw, Tenths(yb - 6 * l.RH, -13, l.TH)},
        {u"入量(ml)", l.L + aw, Tenths(yb - 5 * l.RH, -13, l.TH)},
        {u"出量(ml)", l.L + aw, Tenths(yb - 4 * l.RH, -13, l.TH)},
        {u"大便(次/日)", l.L + aw, Tenths(yb - 3 * l.RH, -13, l.TH)},
        {u"小便(次/日)", l.L + aw, Tenths(yb - 2 * l.RH, -13, l.TH)},
        {u"体重(kg)", l.L + aw, Tenths(yb - l.RH, -13, l.TH)},
        {u"过敏药物", l.L + aw, Tenths(yb, -13, l.TH)},
    };
    for (const Label& label : labels)
        page.Paint.TextOut(label.x, label.y, QString::fromUtf16(label.text));
}

} // namespace kelvaro
