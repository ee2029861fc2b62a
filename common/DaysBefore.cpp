#include "common/DaysBefore.h"

namespace kelvaro
{

QDateTime DaysBefore(const QDateTime& when, int days)
{
    return when.addDays(-days);
}

} // namespace kelvaro
