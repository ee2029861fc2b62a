#pragma once
// The saves of the day saver (DaySaver.cpp) and the chart they leave: save
// number n writes one of seven days in turn, with n as its first memo, at a
// time of its own, so that the stored chart tells which save was the last.
#include "model/TemperatureData.h"

#include <QDateTime>

#include <algorithm>

namespace kelvaro::test
{

constexpr int SaverDays = 7;
inline const QString SaverOperator = QStringLiteral("nurse1");

inline QDateTime SaveTime(int save)
{
    return QDateTime(QDate(2015, 3, 7), QTime(8, 0)).addSecs(save);
}

inline TemperatureData SavedDay(int save)
{
    TemperatureData day;
    day.Date = QDate(2015, 3, 7).addDays(save % SaverDays).toString(QStringLiteral("yyyy-MM-dd"));
    for (int slot = 0; slot < SlotCount; ++slot) {
        day.YB[slot] = QString::number(36.0 + (save + slot) % 40 / 10.0, 'f', 1);
        day.MB[slot] = QString::number(60 + (save + slot) % 50);
    }
    day.Memo[0] = QString::number(save);
    return day;
}

// The chart after the saves 1 to `last`, each stored whole in its turn.
inline TemperatureDataMap ChartAfterSave(int last)
{
    TemperatureDataMap days;
    for (int save = 1; save <= last; ++save) {
        TemperatureData day = SavedDay(save);
        TemperatureData& stored = days[day.Date];
        day.OperationLog = stored.OperationLog;
        day.OperationLog.push_back(
            {day.OperationLog.empty() ? QStringLiteral("1") : QStringLiteral("2"),
             SaveTime(save).toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")), SaverOperator});
        stored = day;
    }
    return days;
}

// The number of the last save a stored chart holds.
inline int LastSave(const TemperatureDataMap& days)
{
    int last = 0;
    for (const auto& [date, day] : days)
        last = std::max(last, day.Memo[0].toInt());
    return last;
}

} // namespace kelvaro::test
