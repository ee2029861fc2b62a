#include "common/ui/FileDialog.h"

#include "common/ui/DialogRunner.h"

#include <QFileDialog>
#include <utility>

namespace kelvaro
{

namespace
{

FileDialogHandler& InstalledHandler()
{
    static FileDialogHandler handler;
    return handler;
}

} // namespace

QString ChooseFile(QWidget* parent, const FileRequest& request)
{
    const FileDialogHandler handler = InstalledHandler();
    if (handler)
        return handler(request);
    const bool save = request.mode == FileRequest::Mode::Save;
    QFileDialog dialog(parent);
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    dialog.setNameFilter(request.filter);
    dialog.setDefaultSuffix(request.defaultSuffix);
    if (!request.fileName.isEmpty())
        dialog.selectFile(request.fileName);
    if (RunModal(dialog) != QDialog::Accepted)
        return {};
    return dialog.selectedFiles().value(0);
}

FileDialogHandler SetFileDialogHandler(FileDialogHandler handler)
{
    return std::exchange(InstalledHandler(), std::move(handler));
}

} // namespace kelvaro
