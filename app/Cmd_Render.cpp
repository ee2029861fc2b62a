#include "app/Commands.h"
#include <QTextStream>

namespace kelvaro {

int RunRenderCommand(const QStringList&)
{
    QTextStream(stderr) << "kelvaro: render is not available in this build\n";
    return 1;
}

} // namespace kelvaro
