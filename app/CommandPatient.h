#pragma once
#include "chart/_temperaturedata.h"
#include "db/Database.h"

#include <QString>

namespace kelvaro
{

// What a headless command works on: the database of the program home, a chart
// manager on it for the installed database kind, and the patient found by
// admission number.
struct CommandPatient {
    Database db;
    _TemperatureData chart{&db};
    QString patientId;
};

// Opens the home database and finds the patient with admission number
// `serialNumber`; false with a message for the command's user otherwise.
bool OpenCommandPatient(const QString& serialNumber, CommandPatient& target, QString& error);

} // namespace kelvaro
