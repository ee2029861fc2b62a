#include "model/ChartTitle.h"

#include "common/Scramble.h"

namespace kelvaro
{

QString ScrambledChartTitle(const QString& hospitalName)
{
    // The suffix is kept scrambled, like the title itself.
    return Scramble(hospitalName + Unscramble(QStringLiteral("噰檳嚈圅唹厜")));
}

} // namespace kelvaro
