#pragma once
#include <functional>

class QDialog;

namespace kelvaro
{

// Every modal dialog is shown through RunModal, so that tests can take over:
// with a handler installed the dialog is not executed; the handler drives it
// (fills fields, clicks buttons) and returns the result code.
int RunModal(QDialog& dialog);

using ModalHandler = std::function<int(QDialog&)>;
// Installs `handler` (empty to restore exec()); returns the previous one.
ModalHandler SetModalHandler(ModalHandler handler);

} // namespace kelvaro
