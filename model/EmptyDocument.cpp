#include "model/ChartDocument.h"

namespace kelvaro
{

QByteArray EmptyDocument(const QString& patientId, const QString& serialNumber)
{
    if (patientId.isEmpty() || serialNumber.isEmpty())
        return {};
    return DocumentWriter(patientId, serialNumber, {});
}

} // namespace kelvaro
