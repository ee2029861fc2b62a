#pragma once
#include <QString>
#include <array>
#include <map>
#include <vector>

namespace kelvaro
{

// One entry of a day's operation log: who stored the day, when, first time or again.
struct OperationLogInfo {
    QString Type; // "1" first storing, "2" every later one
    QString Date;
    QString Operator;
    bool operator==(const OperationLogInfo&) const = default;
};
using OperationLogInfoVec = std::vector<OperationLogInfo>;

constexpr int SlotCount = 6;
using SlotTexts = std::array<QString, SlotCount>;

// One day of a chart. Every value is kept as the nurse typed it.
struct TemperatureData {
    QString Date; // "yyyy-MM-dd", also the day's key

    // Per time slot.
    SlotTexts YB, KB, GB, MB, HX, XL;
    SlotTexts Event, EventTime, Event2, EventTime2;
    SlotTexts WLJW, Memo, HXJ;

    // Per day.
    QString SHTS, CHTS, XY1, XY2, SG, TZ, DBCS, XBCS, RL, CL, NL, GMYW;

    OperationLogInfoVec OperationLog;

    bool operator==(const TemperatureData&) const = default;
};

// Days by date text; for "yyyy-MM-dd" keys the order is calendar order.
using TemperatureDataMap = std::map<QString, TemperatureData>;

} // namespace kelvaro
