#pragma once
#include <QPainter>
#include <QString>
#include <QTemporaryDir>

#include <memory>

class QPrinter;

namespace kelvaro
{

// Sheets start at the top-left corner of the printable area: no margins beyond
// what the printer cannot print.
void UseWholeSheet(QPrinter& printer);

// One print job on a CUPS printer. The pages are painted in the printer's page
// layout into a spool file of our own and handed to the scheduler only by End,
// so that an aborted job prints nothing and a refused one is reported.
class PrintJob
{
public:
    explicit PrintJob(QPrinter& printer);
    ~PrintJob(); // an unfinished job is aborted
    PrintJob(const PrintJob&) = delete;
    PrintJob& operator=(const PrintJob&) = delete;

    bool Begin(const QString& title, QString* error);
    // The painter of the current sheet; valid between Begin and End or Abort.
    QPainter& Painter() { return painter_; }
    bool NewSheet(QString* error);
    // Closes the spool file and queues it on the printer.
    bool End(QString* error);
    void Abort();
    bool Active() const { return painter_.isActive(); }

private:
    bool Submit(QString* error);

    QPrinter& printer_;
    QPainter painter_;
    std::unique_ptr<QTemporaryDir> spool_;
    QString title_;
};

} // namespace kelvaro
