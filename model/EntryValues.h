#pragma once
#include <QString>

namespace kelvaro
{

// The clock hour of a chart slot: slots are four hours apart from the start hour.
int SlotHour(int startHour, int slot);
// The slot's hour as a page shows it: midnight reads "24".
QString SlotCaption(int startHour, int slot);

// A stored ventilator flag is on for "TRUE" in any letter case and for any
// number other than 0; anything else, the empty text included, is off.
bool VentilatorInUse(const QString& stored);
QString VentilatorText(bool inUse);

} // namespace kelvaro
