#include "common/CodePage.h"
#include "common/Scramble.h"
#include "model/ChartContent.h"
#include "render/ChartPage.h"

namespace kelvaro
{

namespace
{

void MeasureFont(ChartPage& page)
{
    page.Layout.AW = page.Paint.AverageCharWidth();
    page.Layout.TH = page.Paint.CellHeight();
}

void DrawTitle(ChartPage& page)
{
    const ChartLayout& l = page.Layout;
    const QString title = Unscramble(page.Chart.Title);
    // The width is estimated from the code page bytes: a Chinese character is two.
    const int width = int(ToCodePage(title).size()) * l.AW;
    int x = (l.W - l.L - l.R - width) / 2;
    if (page.Settings.OffsetPage)
        x += page.Settings.Offset + page.Settings.TitleOffset;
    page.Paint.TextOut(x, Tenths(l.T, -25, l.TH), title);
}

struct HeaderField {
    const char16_t* label;
    int labelChars; // label step in average character widths
    int labelExtra; // and pixels
    int underline;  // underscores
    QString value;
    int valueChars; // value step in average character widths
};

void DrawPatientHeader(ChartPage& page)
{
    const ChartContent& c = page.Chart;
    const HeaderField fields[] = {
        {u"姓名：", 6, 0, 11, c.Name, 12},
        {u"年龄：", 6, 0, 5, c.Age + c.AgeUnit, 6},
        {u"性别：", 5, 10, 5, c.Sex, 6},
        {u"科别：", 6, 0, 13, c.InHospitalSection, 14},
        {u"床号：", 6, 0, 13, c.BedNo, 14},
        {u"入院日期：", 10, 0, 11, c.InHospitalDate, 12},
        {u"住院号：", 8, 0, 11, c.SerialNumber, 0},
    };
    const ChartLayout& l = page.Layout;
    const int labelY = Tenths(l.T, -14, l.TH);
    const int valueY = Tenths(l.T, -16, l.TH);
    int x = l.L;
    for (const HeaderField& f : fields) {
        page.Paint.TextOut(x, labelY, QString::fromUtf16(f.label));
        x += f.labelChars * l.AW + f.labelExtra;
        page.Paint.TextOut(x - 5, labelY, QString(f.underline, u'_'));
        page.Paint.TextOut(x, valueY, f.value);
        x += f.valueChars * l.AW;
    }
}

void DrawHeaderLines(ChartPage& page)
{
    const ChartLayout& l = page.Layout;
    for (int k = 1; k <= 5; ++k)
        page.Paint.Line(l.L, l.T + k * l.RH, l.W - l.R, l.T + k * l.RH);
}

// The date of a column: in full on the first day and at a new year, month and
// day at a new month, else the day alone.
void DrawDate(ChartPage& page, int column, QDate date, QDate previous)
{
    const ChartLayout& l = page.Layout;
    const QString text = date.toString(QStringLiteral("yy-MM-dd"));
    const int centre = l.DayLeft(column) + l.DW / 2;
    const int y = l.T + l.RH - l.TH - 5;
    if (column == 0 || date.year() != previous.year())
        page.Paint.TextOut(centre - 3 * l.AW, y, text);
    else if (date.month() != previous.month())
        page.Paint.TextOut(centre - 3 * l.AW, y, text.mid(3));
    else
        page.Paint.TextOut(centre - l.AW, y, text.mid(6));
}

void DrawDayRows(ChartPage& page)
{
    const ChartLayout& l = page.Layout;
    int stay = (page.Week - 1) * 7 + 1;
    for (int column = 0; column < 7; ++column, ++stay) {
        const QDate date = page.WeekStart.addDays(column);
        DrawDate(page, column, date, date.addDays(-1));
        const int centre = l.DayLeft(column) + l.DW / 2;
        const int shift = column == 0 ? 0 : (stay < 10 ? l.AW : 2 * l.AW);
        page.Paint.TextOut(centre - shift, l.T + l.RH + l.TH - 8, QString::number(stay));
        if (const TemperatureData* day = page.Day(column))
            page.Paint.TextOut(centre - shift, l.T + 2 * l.RH + l.TH - 8, day->SHTS);
    }
}

} // namespace

void DrawPageTitle(ChartPage& page)
{
    Canvas& canvas = page.Paint;
    const QString textFace = canvas.FontFace();
    canvas.SetFontFace(Canvas::TitleFace());
    canvas.SetFontSize(18);
    canvas.SetFontBold(true);
    MeasureFont(page);
    DrawTitle(page);
    canvas.SetFontFace(textFace);
    canvas.SetFontSize(8);
    canvas.SetFontBold(false);
    MeasureFont(page);
    DrawPatientHeader(page);
    DrawHeaderLines(page);
    DrawDayRows(page);
}

} // namespace kelvaro
