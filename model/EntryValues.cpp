#include "model/EntryValues.h"

namespace kelvaro
{

int SlotHour(int startHour, int slot)
{
    return ((startHour + 4 * slot) % 24 + 24) % 24;
}

QString SlotCaption(int startHour, int slot)
{
    const int hour = SlotHour(startHour, slot);
    return QString::number(hour == 0 ? 24 : hour);
}

bool VentilatorInUse(const QString& stored)
{
    if (stored.compare(QStringLiteral("TRUE"), Qt::CaseInsensitive) == 0)
        return true;
    bool number = false;
    const double value = stored.trimmed().toDouble(&number);
    return number && value != 0;
}

QString VentilatorText(bool inUse)
{
    return inUse ? QStringLiteral("TRUE") : QStringLiteral("FALSE");
}

} // namespace kelvaro
