#include "app/U_Main.h"

#include "common/ui/MessageBox.h"

#include <QCloseEvent>

namespace kelvaro
{

void TF_Main::closeEvent(QCloseEvent* event)
{
    // A start-up that gave up ends the program without the exit question.
    if (!ProgramEnding && !FormCloseQuery()) {
        event->ignore();
        return;
    }
    FormClose();
    QMainWindow::closeEvent(event);
}

// Only the local file is copied by the program; servers are kept elsewhere.
bool TF_Main::FormCloseQuery()
{
    if (!MessageBox::Question(this, QStringLiteral("确认退出程序?")))
        return false;
    if (DatabaseKind != QLatin1String("Access"))
        return true;
    if (BackupMode == 1)
        BackupQuietly();
    else if (BackupMode == 3 && MessageBox::Question(this, QStringLiteral("是否备份数据库?")))
        BackupWithMessages();
    return true;
}

void TF_Main::FormClose()
{
    BackDBTime.stop();
    ChartData.reset();
    ChartBitmap = QImage();
}

} // namespace kelvaro
