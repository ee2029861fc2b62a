#pragma once
#include <QString>

namespace kelvaro
{

// Appends `message` to Log/Error<yyyyMMddHHmmss>.log of the program directory
// and removes the error files of the day three days ago. Never fails loudly.
void LogError(const QString& message);

} // namespace kelvaro
