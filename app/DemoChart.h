#pragma once
#include "model/TemperatureData.h"
#include <QDateTime>

namespace kelvaro
{

// What a demo stay looks like; the chart follows from it.
struct DemoStay {
    QDateTime admitted;
    QDateTime until; // now, or the discharge
    bool discharged = false;
    int route = 0;               // 0 axillary, 1 oral, 2 rectal temperature
    bool fever = false;          // fever in the first days, with cooling
    int surgeryDay = -1;         // day of the stay with an operation
    int leaveDay = -1;           // day of the stay with leave (请假)
    int ventilatorDays = 0;      // first days on the ventilator
    bool irregularHeart = false; // heart rate apart from the pulse
    bool noRise = false;         // a temperature too low to read on the second day
    QString allergies;
    QString nurse;
    quint32 seed = 1;
};

// A plausible chart of every day of the stay, logged by the stay's nurse.
TemperatureDataMap DemoChart(const DemoStay& stay);

} // namespace kelvaro
