#pragma once

namespace kelvaro
{

// Sizes and positions of a chart page in page pixels. AW and TH are measured
// from the page's text font while the page is drawn.
struct ChartLayout {
    explicit ChartLayout(int offset = 0) : W(800 + offset), L(23 + offset) {}

    int W;                         // page width; grows by the offset
    int H = 1160;                  // page height
    int L;                         // left margin, x of the frame's left edge; grows by the offset
    int T = 110;                   // top margin, y of the frame's top edge
    int R = 23;                    // right margin
    int B = 50;                    // bottom margin
    int LW = 80;                   // width of the label column at the left of the grid
    int DW = (W - L - R - LW) / 7; // width of one day column, 96 for every offset
    int RH = 20;                   // height of a header row and of a lower row
    int SW = 16;                   // width of one time slot, six to a day
    int SH = 16;                   // height of one scale row of the graph
    int AW = 0;                    // average character width of the current text font
    int TH = 0;                    // character cell height of the same font

    int Yb() const { return H - B; }
    int GraphTop() const { return T + 5 * RH; }
    int GraphBottom() const { return Yb() - 9 * RH; }
    int GridLeft() const { return L + LW; }
    int DayLeft(int day) const { return GridLeft() + day * DW; }
    int SlotLeft(int day, int slot) const { return DayLeft(day) + slot * SW; }
    int LabelSplit() const { return L + LW / 2; }
};

// `whole` minus or plus a number of tenths of a cell, truncated toward zero only
// after the sum is formed, as the page positions are defined: Tenths(T, -14, TH)
// is T - 1.4·TH.
inline int Tenths(int whole, int tenths, int cell)
{
    return (10 * whole + tenths * cell) / 10;
}

} // namespace kelvaro
