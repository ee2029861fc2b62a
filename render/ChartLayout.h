#pragma once

namespace kelvaro
{

// Sizes and positions of a chart page in page pixels. AW and TH are measured
// from the page's text font while the page is drawn.
struct ChartLayout {
    explicit ChartLayout(int offset = 0) : W(800 + offset), L(23 + offset) {}

    int W;
    int H = 1160;
    int L;
    int T = 110;
    int R = 23;
    int B = 50;
    int LW = 80;
    int DW = (W - L - R - LW) / 7;
    int RH = 20;
    int SW = 16;
    int SH = 16;
    int AW = 0;
    int TH = 0;

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
