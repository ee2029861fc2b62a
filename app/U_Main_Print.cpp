#include "app/U_Main.h"
#include "app/U_Main_Controls.h"

#include "common/ui/DialogRunner.h"
#include "common/ui/FileDialog.h"
#include "common/ui/MessageBox.h"
#include "render/WriteChartPdf.h"
#include "render/print/PrintChart.h"
#include "render/print/PrintJob.h"

#include <QAction>
#include <QMenu>
#include <QPrintPreviewDialog>
#include <QProgressDialog>
#include <QSpinBox>

namespace kelvaro
{

using namespace main_controls;

namespace
{

const QString NoPrinter = QStringLiteral("没有找到打印机，不能打印!");
const QString NoChartData = QStringLiteral("没有发现体温单数据，不能打印!");
const QString BadChartDate = QStringLiteral("体温单数据中有不是日期的记录，不能打印!");
const QString NoPdfData = QStringLiteral("没有发现体温单数据，不能导出PDF!");

// Printed pages always carry the configured offsets.
ChartPageSettings PrintedPage(const TF_Main& window)
{
    return {window.StartHour, window.Offset, window.TitleOffset, true};
}

bool HasPatient(const TF_Main& window)
{
    return window.ChartData && !window.ChartData->PatientID.isEmpty();
}

// The weeks from the first to the last recorded day; 0 with `problem` set
// when there are none or a day is not a date.
int RecordedWeeks(const _TemperatureData& chart, const QString& none, QString& problem)
{
    bool datesOk = true;
    const int weeks = chart.WeekCount(&datesOk);
    if (!datesOk)
        problem = BadChartDate;
    else if (weeks <= 0)
        problem = none;
    return datesOk ? weeks : 0;
}

QString JobTitle(const _TemperatureData& chart)
{
    return QStringLiteral("体温单-%1").arg(chart.SerialNumber);
}

// A long run of pages shows how far it is, and 取消 stops it.
ChartPrintProgress ShownIn(QProgressDialog& progress)
{
    progress.setWindowModality(Qt::WindowModal);
    return [&progress](int pagesDone) {
        progress.setValue(pagesDone);
        return !progress.wasCanceled();
    };
}

} // namespace

void TF_Main::BuildPrintMenuExtras()
{
    connect(AddItem(AdvPopupMenu1, "NPreview", QStringLiteral("打印预览")), &QAction::triggered,
            this, &TF_Main::PreviewPages);
    auto* pdf = Named<QMenu>(AdvPopupMenu1, "PdfMenu");
    pdf->setTitle(QStringLiteral("导出PDF"));
    AdvPopupMenu1->addMenu(pdf)->setObjectName(QStringLiteral("NPdf"));
    connect(AddItem(pdf, "NPdfCurrent", QStringLiteral("导出当前页")), &QAction::triggered, this,
            [this] { ExportPdf(false); });
    connect(AddItem(pdf, "NPdfAll", QStringLiteral("导出全部页")), &QAction::triggered, this,
            [this] { ExportPdf(true); });
}

void TF_Main::N1Click()
{
    PrintCurrentPage();
}

void TF_Main::N2Click()
{
    PrintAllPages();
}

void TF_Main::PrintCurrentPage()
{
    if (!ChartPrinter || !SelectChartPrinter(*ChartPrinter, PrinterName)) {
        MessageBox::Information(this, NoPrinter);
        return;
    }
    // Without an open chart there is no page to draw.
    if (!HasPatient(*this)) {
        MessageBox::Information(this, NoChartData);
        return;
    }
    const int week = TxtWeek->value();
    const ChartPrintOutcome outcome = PrintChartPages(
        *ChartPrinter, *ChartData, {week, week, true, PrintedPage(*this), JobTitle(*ChartData)});
    for (const ChartPageFailure& failure : outcome.failures)
        MessageBox::Information(this,
                                QStringLiteral("打印体温单出现错误，错误原因：") + failure.reason);
}

// The weeks of the open chart, with the printer chosen; 0 after a message
// that says why nothing can be printed.
int TF_Main::WeeksToPrint()
{
    if (!ChartPrinter) {
        MessageBox::Information(this, NoPrinter);
        return 0;
    }
    QString problem;
    const int weeks = ChartData ? RecordedWeeks(*ChartData, NoChartData, problem) : 0;
    if (weeks <= 0) {
        MessageBox::Information(this, problem.isEmpty() ? NoChartData : problem);
        return 0;
    }
    if (!SelectChartPrinter(*ChartPrinter, PrinterName)) {
        MessageBox::Information(this, NoPrinter);
        return 0;
    }
    return weeks;
}

void TF_Main::PrintAllPages()
{
    const int weeks = WeeksToPrint();
    if (weeks <= 0)
        return;
    QProgressDialog progress(QStringLiteral("正在打印体温单..."), QStringLiteral("取消"), 0, weeks,
                             this);
    progress.setMinimumDuration(0);
    const ChartPrintRun run{1, weeks, PrintMode == 1, PrintedPage(*this), JobTitle(*ChartData)};
    const ChartPrintOutcome outcome =
        PrintChartPages(*ChartPrinter, *ChartData, run, ShownIn(progress));
    for (size_t i = 0; i < outcome.failures.size(); ++i)
        MessageBox::Information(this, QStringLiteral("打印体温单出现错误，请重试!"));
}

// The print preview shows the pages of 打印全部页 as they would be sent, and
// prints them from there.
void TF_Main::PreviewPages()
{
    const int weeks = WeeksToPrint();
    if (weeks <= 0)
        return;
    UseWholeSheet(*ChartPrinter);
    QPrintPreviewDialog preview(ChartPrinter.get(), this);
    preview.setObjectName(QStringLiteral("PrintPreview"));
    preview.setWindowTitle(QStringLiteral("打印预览"));
    const ChartPrintRun run{1, weeks, PrintMode == 1, PrintedPage(*this), JobTitle(*ChartData)};
    connect(&preview, &QPrintPreviewDialog::paintRequested, this,
            [this, &run](QPrinter* printer) { PaintChartPages(*printer, *ChartData, run); });
    RunModal(preview);
}

void TF_Main::ExportPdf(bool allWeeks)
{
    if (!HasPatient(*this)) {
        MessageBox::Information(this, NoPdfData);
        return;
    }
    QString problem;
    const int first = allWeeks ? 1 : TxtWeek->value();
    const int last = allWeeks ? RecordedWeeks(*ChartData, NoPdfData, problem) : first;
    if (last <= 0) {
        MessageBox::Information(this, problem);
        return;
    }
    const QString file = ChooseFile(
        this, {FileRequest::Mode::Save, QStringLiteral("PDF文件(*.pdf)"), QStringLiteral("pdf"),
               QStringLiteral("%1 %2").arg(ChartData->SerialNumber, ChartData->Name)});
    if (file.isEmpty())
        return;
    // Cancelled, the export leaves no file and needs no message.
    QProgressDialog progress(QStringLiteral("正在导出PDF..."), QStringLiteral("取消"), 0,
                             last - first + 1, this);
    QString error;
    if (WriteChartPdf(*ChartData, first, last, PrintedPage(*this), file, &error, ShownIn(progress)))
        MessageBox::Information(this, QStringLiteral("PDF导出成功!"));
    else if (!progress.wasCanceled())
        MessageBox::Information(this, QStringLiteral("导出PDF出现错误，错误原因：") + error);
}

} // namespace kelvaro
