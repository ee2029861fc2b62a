#pragma once
#include "model/ChartContent.h"

#include <QString>

namespace kelvaro
{

class Database;

// The chart data manager: the open patient's chart content, loaded from and
// stored in the database.
class _TemperatureData : public ChartContent
{
public:
    explicit _TemperatureData(Database* db) : db_(db) {}

    // Database operations, in their own unit.
    bool LoadChart();
    bool SaveChart();
    bool ClearChart();

    QString Operator;
    QString DatabaseKind;

private:
    Database* db_;
};

} // namespace kelvaro
