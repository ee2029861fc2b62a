#pragma once

class QApplication;

namespace kelvaro
{

// Before the QApplication exists: a private runtime directory when the
// environment names none, as Qt would choose it, so that Qt does not warn
// about it on every start of a headless command.
void PrepareEnvironment();

// The program's look for a Chinese ward: Qt's own texts (message box buttons,
// file dialogs, calendars) in Chinese, Chinese dates, keyboard focus visible
// on every control, and window captions exactly as each window sets them.
void PrepareApplication(QApplication& app);

} // namespace kelvaro
