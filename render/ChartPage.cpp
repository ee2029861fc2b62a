#include "render/ChartPage.h"

#include "model/ChartContent.h"

namespace kelvaro
{

namespace
{

// Page 1 starts on the admission day; an unreadable admission date starts the
// page today.
QDate FirstDayOfWeek(const QString& admission, int week)
{
    QDate first = QDate::fromString(admission, QStringLiteral("yyyy-MM-dd"));
    if (!first.isValid())
        first = QDate::currentDate();
    return first.addDays(qint64(week - 1) * 7);
}

} // namespace

ChartPage::ChartPage(Canvas& canvas, const ChartContent& chart, int week,
                     const ChartPageSettings& settings)
    : Paint(canvas), Chart(chart), Week(week), Settings(settings),
      Layout(settings.OffsetPage ? settings.Offset : 0),
      WeekStart(FirstDayOfWeek(chart.InHospitalDate, week)), Coord(Layout.DW, Layout.SW, Layout.SH)
{
}

const TemperatureData* ChartPage::Day(int day) const
{
    const auto found =
        Chart.Days.find(WeekStart.addDays(day).toString(QStringLiteral("yyyy-MM-dd")));
    return found == Chart.Days.end() ? nullptr : &found->second;
}

} // namespace kelvaro
