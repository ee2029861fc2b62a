#include "render/print/PrintJob.h"

#include <QPageLayout>
#include <QPrinter>
#include <QProcess>

namespace kelvaro
{

namespace
{

constexpr int SubmitTimeoutMs = 60000;

void SetError(QString* error, const QString& text)
{
    if (error)
        *error = text;
}

// The printer writes its job into a file of this name instead of queueing it;
// without a ".pdf" suffix it stays a CUPS printer with its own page layout.
QString SpoolFile(const QTemporaryDir& spool)
{
    return spool.filePath(QStringLiteral("job"));
}

} // namespace

void UseWholeSheet(QPrinter& printer)
{
    QPageLayout layout = printer.pageLayout();
    layout.setMargins(layout.minimumMargins());
    printer.setPageLayout(layout);
}

PrintJob::PrintJob(QPrinter& printer) : printer_(printer) {}

PrintJob::~PrintJob()
{
    Abort();
}

bool PrintJob::Begin(const QString& title, QString* error)
{
    spool_ = std::make_unique<QTemporaryDir>();
    if (!spool_->isValid()) {
        SetError(error, QStringLiteral("不能建立打印临时文件：") + spool_->errorString());
        spool_.reset();
        return false;
    }
    title_ = title;
    printer_.setDocName(title);
    UseWholeSheet(printer_);
    printer_.setOutputFileName(SpoolFile(*spool_));
    if (!painter_.begin(&printer_)) {
        printer_.setOutputFileName(QString());
        spool_.reset();
        SetError(error, QStringLiteral("打印机 %1 不能开始打印").arg(printer_.printerName()));
        return false;
    }
    return true;
}

bool PrintJob::NewSheet(QString* error)
{
    if (printer_.newPage())
        return true;
    SetError(error, QStringLiteral("打印机 %1 不能开始新的一页").arg(printer_.printerName()));
    return false;
}

bool PrintJob::End(QString* error)
{
    if (!painter_.isActive()) {
        SetError(error, QStringLiteral("打印作业已经中止"));
        return false;
    }
    painter_.end();
    printer_.setOutputFileName(QString());
    const bool submitted = Submit(error);
    spool_.reset();
    return submitted;
}

void PrintJob::Abort()
{
    if (!painter_.isActive())
        return;
    painter_.end();
    printer_.setOutputFileName(QString());
    spool_.reset();
}

// lp reports the scheduler's refusal (printer stopped or not accepting jobs,
// scheduler gone), which the print engine's own hand-over would swallow.
bool PrintJob::Submit(QString* error)
{
    QProcess lp;
    lp.start(QStringLiteral("lp"),
             {QStringLiteral("-d"), printer_.printerName(), QStringLiteral("-t"), title_,
              QStringLiteral("-o"),
              QStringLiteral("media=") + printer_.pageLayout().pageSize().key(),
              SpoolFile(*spool_)});
    if (!lp.waitForFinished(SubmitTimeoutMs)) {
        lp.kill();
        lp.waitForFinished();
        SetError(error, QStringLiteral("不能把打印作业交给打印服务：") + lp.errorString());
        return false;
    }
    if (lp.exitStatus() != QProcess::NormalExit || lp.exitCode() != 0) {
        const QString reason = QString::fromLocal8Bit(lp.readAllStandardError()).trimmed();
        SetError(error, reason.isEmpty() ? QStringLiteral("打印服务拒绝了打印作业") : reason);
        return false;
    }
    return true;
}

} // namespace kelvaro
