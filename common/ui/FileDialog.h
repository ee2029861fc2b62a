#pragma once
#include <QString>

#include <functional>

class QWidget;

namespace kelvaro
{

// What a file dialog asks for: open an existing file or save one, with a name
// filter such as "体温单数据文件(*.QDB)", the suffix added to a bare name and
// the file name it starts with.
struct FileRequest {
    enum class Mode { Open, Save };
    Mode mode = Mode::Open;
    QString filter;
    QString defaultSuffix;
    QString fileName;
};

// Every file dialog is shown through ChooseFile, so that tests can take over:
// with a handler installed no dialog is shown and the handler's answer is the
// chosen file. "" means the user cancelled.
QString ChooseFile(QWidget* parent, const FileRequest& request);

using FileDialogHandler = std::function<QString(const FileRequest&)>;
// Installs `handler` (empty to show real dialogs again); returns the previous one.
FileDialogHandler SetFileDialogHandler(FileDialogHandler handler);

} // namespace kelvaro
