#pragma once
#include "chart/TemperatureData.h"
#include <QByteArray>

namespace kelvaro
{

// A chart document is the code page bytes of its XML text.
QByteArray DocumentWriter(const QString& patientId, const QString& serialNumber,
                          const TemperatureDataMap& days);
// Empties `days`, fills it and returns true when the whole document was read.
bool DocumentReader(const QByteArray& text, const QString& patientId, const QString& serialNumber,
                    TemperatureDataMap& days);
// The document without days; "" when either identity text is empty.
QByteArray EmptyDocument(const QString& patientId, const QString& serialNumber);

} // namespace kelvaro
