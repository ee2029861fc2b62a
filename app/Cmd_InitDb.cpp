#include "app/Commands.h"
#include <QTextStream>

namespace kelvaro {

int RunInitDbCommand(const QStringList&)
{
    QTextStream(stderr) << "kelvaro: init-db is not available in this build\n";
    return 1;
}

} // namespace kelvaro
