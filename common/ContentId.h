#pragma once
#include <QString>

namespace kelvaro
{

// A patient's key: 32 uppercase hexadecimal digits of a fresh GUID.
QString NewContentID();

} // namespace kelvaro
