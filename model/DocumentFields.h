#pragma once
#include "model/TemperatureData.h"

#include <array>

namespace kelvaro
{

// The attribute names of a day's values, in the order the document lists them.
struct SlotField {
    const char* name;
    SlotTexts TemperatureData::*texts;
};
inline constexpr std::array<SlotField, 13> SlotFields{{
    {"YB", &TemperatureData::YB},
    {"KB", &TemperatureData::KB},
    {"GB", &TemperatureData::GB},
    {"MB", &TemperatureData::MB},
    {"HX", &TemperatureData::HX},
    {"XL", &TemperatureData::XL},
    {"Event", &TemperatureData::Event},
    {"EventTime", &TemperatureData::EventTime},
    {"Event2", &TemperatureData::Event2},
    {"EventTime2", &TemperatureData::EventTime2},
    {"WLJW", &TemperatureData::WLJW},
    {"Memo", &TemperatureData::Memo},
    {"HXJ", &TemperatureData::HXJ},
}};

struct DailyField {
    const char* name;
    QString TemperatureData::*text;
};
inline constexpr std::array<DailyField, 12> DailyFields{{
    {"SHTS", &TemperatureData::SHTS},
    {"CHTS", &TemperatureData::CHTS},
    {"XY1", &TemperatureData::XY1},
    {"XY2", &TemperatureData::XY2},
    {"SG", &TemperatureData::SG},
    {"TZ", &TemperatureData::TZ},
    {"DBCS", &TemperatureData::DBCS},
    {"XBCS", &TemperatureData::XBCS},
    {"RL", &TemperatureData::RL},
    {"CL", &TemperatureData::CL},
    {"NL", &TemperatureData::NL},
    {"GMYW", &TemperatureData::GMYW},
}};

} // namespace kelvaro
