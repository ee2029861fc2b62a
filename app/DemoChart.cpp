#include "app/DemoChart.h"

#include <QRandomGenerator>

namespace kelvaro
{

namespace
{

// Slot i stands for 2 + 4·i o'clock with the default start hour.
int SlotOf(const QTime& time)
{
    return ((time.hour() + 24 - 2) % 24) / 4;
}

class DayFiller
{
public:
    DayFiller(const DemoStay& stay, const QDate& date)
        : stay_(stay), date_(date), day_(int(stay.admitted.date().daysTo(date))),
          random_(stay.seed * 97 + quint32(day_))
    {
    }

    TemperatureData Fill()
    {
        TemperatureData data;
        data.Date = date_.toString(QStringLiteral("yyyy-MM-dd"));
        for (int slot = 0; slot < SlotCount; ++slot) {
            if (Measured(slot))
                Measure(data, slot);
        }
        Events(data);
        Daily(data);
        data.OperationLog.push_back(
            {QStringLiteral("1"), data.Date + QStringLiteral(" 20:30:00"), stay_.nurse});
        return data;
    }

private:
    bool Feverish() const { return stay_.fever && day_ < 4; }

    bool Measured(int slot) const
    {
        if (day_ == stay_.leaveDay && slot >= 3)
            return false;
        if (date_ == stay_.admitted.date() && slot < SlotOf(stay_.admitted.time()))
            return false;
        if (date_ == stay_.until.date() && slot > SlotOf(stay_.until.time()))
            return false;
        return Feverish() || day_ < 3 || slot == 1 || slot == 3;
    }

    double Temperature()
    {
        const double base =
            Feverish() ? 38.2 + 0.1 * random_.bounded(14) : 36.3 + 0.1 * random_.bounded(8);
        return stay_.surgeryDay >= 0 && day_ == stay_.surgeryDay + 1 ? base + 0.6 : base;
    }

    void Measure(TemperatureData& data, int slot)
    {
        if (stay_.noRise && day_ == 1 && slot == 1) {
            data.Memo[slot] = QStringLiteral("不升");
            return;
        }
        const double temperature = Temperature();
        SlotTexts* route[] = {&data.YB, &data.KB, &data.GB};
        (*route[stay_.route])[slot] = QString::number(temperature, 'f', 1);
        if (temperature >= 38.5)
            data.WLJW[slot] = QString::number(temperature - 0.8 - 0.1 * random_.bounded(5), 'f', 1);
        const int pulse = 72 + random_.bounded(20) + (temperature >= 38 ? 16 : 0);
        data.MB[slot] = QString::number(pulse);
        if (stay_.irregularHeart)
            data.XL[slot] = QString::number(pulse + 12 + random_.bounded(10));
        if (slot == 1 || slot == 3)
            data.HX[slot] = QString::number(16 + random_.bounded(6));
        if (day_ < stay_.ventilatorDays)
            data.HXJ[slot] = QStringLiteral("TRUE");
    }

    void Event(TemperatureData& data, const QTime& time, const QString& name)
    {
        const int slot = SlotOf(time);
        const bool second = !data.Event[slot].isEmpty();
        (second ? data.Event2 : data.Event)[slot] = name;
        (second ? data.EventTime2 : data.EventTime)[slot] = time.toString(QStringLiteral("HH:mm"));
    }

    void Events(TemperatureData& data)
    {
        if (day_ == 0)
            Event(data, stay_.admitted.time(), QStringLiteral("入院"));
        if (day_ == stay_.surgeryDay)
            Event(data, QTime(9, 30), QStringLiteral("手术"));
        if (day_ == stay_.leaveDay)
            Event(data, QTime(15, 0), QStringLiteral("请假"));
        if (stay_.discharged && date_ == stay_.until.date())
            Event(data, stay_.until.time(), QStringLiteral("出院"));
    }

    void Daily(TemperatureData& data)
    {
        if (stay_.surgeryDay >= 0 && day_ > stay_.surgeryDay && day_ - stay_.surgeryDay <= 14)
            data.SHTS = QString::number(day_ - stay_.surgeryDay);
        if (day_ % 2 == 0) {
            data.XY1 = QStringLiteral("%1/%2")
                           .arg(110 + random_.bounded(30))
                           .arg(70 + random_.bounded(15));
            data.XY2 = QStringLiteral("%1/%2")
                           .arg(110 + random_.bounded(30))
                           .arg(70 + random_.bounded(15));
        }
        if (day_ % 7 == 0)
            data.TZ = QString::number(50 + stay_.seed % 30 + 0.5 * random_.bounded(4), 'f', 1);
        const QString stools[] = {QStringLiteral("1"), QStringLiteral("0"), QStringLiteral("2"),
                                  QStringLiteral("1/E"), QStringLiteral("※")};
        data.DBCS = stools[random_.bounded(5)];
        data.XBCS = day_ < stay_.ventilatorDays ? QStringLiteral("※")
                                                : QString::number(4 + random_.bounded(5));
        data.RL = QString::number(1200 + 100 * random_.bounded(12));
        data.CL = QString::number(1000 + 100 * random_.bounded(10));
        if (day_ == 0)
            data.GMYW = stay_.allergies;
    }

    const DemoStay& stay_;
    const QDate date_;
    const int day_;
    QRandomGenerator random_;
};

} // namespace

TemperatureDataMap DemoChart(const DemoStay& stay)
{
    TemperatureDataMap days;
    for (QDate date = stay.admitted.date(); date <= stay.until.date(); date = date.addDays(1)) {
        TemperatureData day = DayFiller(stay, date).Fill();
        days.emplace(day.Date, std::move(day));
    }
    return days;
}

} // namespace kelvaro
