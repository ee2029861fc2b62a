#include "common/ContentId.h"

#include <QUuid>

namespace kelvaro
{

QString NewContentID()
{
    // Id128 lists Data1, Data2, Data3 and the Data4 bytes without separators.
    const QUuid uuid = QUuid::createUuid();
    return uuid.isNull() ? QString() : uuid.toString(QUuid::Id128).toUpper();
}

} // namespace kelvaro
