// The chart document reader on any bytes. Whatever it reads, also from a text
// it rejects, the writer's document of those days reads back whole as the
// same days and writes again to the same bytes; a text read whole holds as
// many days as the counting of the import's bound finds.
#include "FuzzCheck.h"

#include "model/ChartDocument.h"

#include <QString>

using namespace kelvaro;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QString patientId = QStringLiteral("P");
    const QString serialNumber = QStringLiteral("S");
    const QByteArray text(reinterpret_cast<const char*>(data), qsizetype(size));
    TemperatureDataMap days;
    const bool whole = DocumentReader(text, patientId, serialNumber, days);
    if (whole) {
        const auto count = qsizetype(days.size());
        FUZZ_CHECK(!HasMoreDaysThan(text, count));
        FUZZ_CHECK(count == 0 || HasMoreDaysThan(text, count - 1));
    }

    const QByteArray written = DocumentWriter(patientId, serialNumber, days);
    TemperatureDataMap again;
    FUZZ_CHECK(DocumentReader(written, patientId, serialNumber, again));
    FUZZ_CHECK(again == days);
    FUZZ_CHECK(DocumentWriter(patientId, serialNumber, again) == written);
    return 0;
}
