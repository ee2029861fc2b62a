#include "common/ui/DialogRunner.h"

#include <QDialog>
#include <utility>

namespace kelvaro
{

namespace
{

ModalHandler& InstalledHandler()
{
    static ModalHandler handler;
    return handler;
}

} // namespace

int RunModal(QDialog& dialog)
{
    // A copy: the handler may install another one while it runs.
    const ModalHandler handler = InstalledHandler();
    return handler ? handler(dialog) : dialog.exec();
}

ModalHandler SetModalHandler(ModalHandler handler)
{
    return std::exchange(InstalledHandler(), std::move(handler));
}

} // namespace kelvaro
