#include "app/Commands.h"
#include <QTextStream>

namespace kelvaro {

int RunExportCommand(const QStringList&)
{
    QTextStream(stderr) << "kelvaro: export is not available in this build\n";
    return 1;
}

int RunImportCommand(const QStringList&)
{
    QTextStream(stderr) << "kelvaro: import is not available in this build\n";
    return 1;
}

} // namespace kelvaro
