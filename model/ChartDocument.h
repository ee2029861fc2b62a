#pragma once
#include "model/TemperatureData.h"
#include <QByteArray>

namespace kelvaro
{

// A chart document is the code page bytes of its XML text.
QByteArray DocumentWriter(const QString& patientId, const QString& serialNumber,
                          const TemperatureDataMap& days);
// Empties `days`, fills it and returns true when the whole document was read.
bool DocumentReader(const QByteArray& text, const QString& patientId, const QString& serialNumber,
                    TemperatureDataMap& days);
// True when the document holds more than `limit` days. Only the days' start
// tags are kept while counting, and counting ends past the limit.
bool HasMoreDaysThan(const QByteArray& text, qsizetype limit);
// The document without days; "" when either identity text is empty.
QByteArray EmptyDocument(const QString& patientId, const QString& serialNumber);

} // namespace kelvaro
