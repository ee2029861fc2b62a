#pragma once
#include <QDateTime>

namespace kelvaro
{

QDateTime DaysBefore(const QDateTime& when, int days);

} // namespace kelvaro
