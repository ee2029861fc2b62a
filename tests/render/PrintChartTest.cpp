#include "render/print/PrintChart.h"
#include "PageFixture.h"
#include "PrintSpool.h"

#include <QPageSize>
#include <QPrinter>
#include <QPrinterInfo>

namespace kelvaro::test
{
namespace
{

class PrintChart : public PageFixture
{
protected:
    void SetUp() override
    {
        KELVARO_PRINT_SPOOL_OR_SKIP();
        Day(QStringLiteral("2015-03-01")).KB[0] = QStringLiteral("37.0");
        ASSERT_TRUE(SelectChartPrinter(printer, PrintSpool::Printer()));
    }

    QPrinter printer{QPrinter::HighResolution};
};

struct Sheet {
    int dpi;
    QPageSize::PageSizeId paper;
    QSizeF points; // of the sheet
};

class PrintedSheet : public PrintChart, public testing::WithParamInterface<Sheet>
{
};

// Whatever the resolution, a page pixel is a whole number of dots that comes to
// one pixel of the sheet seen at 100 dots an inch: the page lands at the top-left
// corner of the sheet in its screen size, moved right by the offset.
TEST_P(PrintedSheet, TakesThePageAtItsSizeFromTheTopLeftCornerWithTheOffset)
{
    const Sheet c = GetParam();
    printer.setResolution(c.dpi);
    printer.setPageSize(QPageSize(c.paper));
    settings = {2, 40, 20, true};
    const ChartPrintOutcome outcome =
        PrintChartPages(printer, chart, {1, 1, true, settings, QStringLiteral("placement")});
    ASSERT_TRUE(outcome.failures.empty()) << outcome.failures.front().reason.toStdString();
    const QStringList jobs = PrintSpool::Jobs();
    ASSERT_EQ(jobs.size(), 1);
    EXPECT_EQ(PrintSpool::PageSize(jobs.front()), c.points);

    const QImage sheet = PrintSpool::Raster(jobs.front(), 1, 100);
    ASSERT_FALSE(sheet.isNull());
    Draw();
    const int middle = l.GraphTop() + 5;
    EXPECT_NEAR(PrintSpool::FirstDarkColumn(sheet, middle),
                PrintSpool::FirstDarkColumn(page, middle), 1);
    // The right-hand frame is on the sheet where the page has it.
    const int frameRight = l.W - l.R - 1;
    EXPECT_NEAR(PrintSpool::FirstDarkColumn(sheet.mirrored(true, false), middle),
                PrintSpool::FirstDarkColumn(page.mirrored(true, false), middle) +
                    (sheet.width() - page.width()),
                1);
    EXPECT_FALSE(PrintSpool::DarkRows(sheet, frameRight).empty());
    settings.Offset = 0;
    Draw();
    EXPECT_NEAR(PrintSpool::FirstDarkColumn(sheet, middle),
                PrintSpool::FirstDarkColumn(page, middle) + 40, 1);
}

INSTANTIATE_TEST_SUITE_P(Resolutions, PrintedSheet,
                         testing::Values(Sheet{300, QPageSize::A4, {595, 842}},
                                         Sheet{600, QPageSize::A4, {595, 842}},
                                         Sheet{1200, QPageSize::A4, {595, 842}},
                                         Sheet{600, QPageSize::Letter, {612, 792}}));

// The sheet is as long as the page: the legend and the page number stand below
// the frame on A4.
TEST_F(PrintChart, KeepsTheLegendAndPageNumberOnAnA4Sheet)
{
    ASSERT_TRUE(PrintChartPages(printer, chart, {1, 1, true, settings, QStringLiteral("legend")})
                    .failures.empty());
    const QImage sheet = PrintSpool::Raster(PrintSpool::Jobs().front(), 1, 100);
    Draw();
    const int pageNumberX = l.L + 7 * l.DW + 50;
    ASSERT_GT(PrintSpool::LastDarkRow(page, pageNumberX), l.Yb());
    EXPECT_NEAR(PrintSpool::LastDarkRow(sheet, pageNumberX),
                PrintSpool::LastDarkRow(page, pageNumberX), 1);
}

struct CancelCase {
    bool oneJob;
    int cancelAfter; // pages done when the run is cancelled
    int jobs;
};

class CancelledPrint : public PrintChart, public testing::WithParamInterface<CancelCase>
{
};

// A cancelled one-job run prints nothing of it; a job-a-page run keeps the
// pages already sent.
TEST_P(CancelledPrint, LeavesOnlyTheFinishedJobs)
{
    const CancelCase c = GetParam();
    const ChartPrintOutcome outcome =
        PrintChartPages(printer, chart, {1, 3, c.oneJob, settings, QStringLiteral("cancelled")},
                        [&c](int pagesDone) { return pagesDone < c.cancelAfter; });
    EXPECT_TRUE(outcome.cancelled);
    EXPECT_TRUE(outcome.failures.empty());
    EXPECT_EQ(PrintSpool::Jobs().size(), c.jobs);
}

INSTANTIATE_TEST_SUITE_P(Runs, CancelledPrint,
                         testing::Values(CancelCase{true, 0, 0}, CancelCase{true, 2, 0},
                                         CancelCase{false, 0, 0}, CancelCase{false, 2, 2}));

TEST_F(PrintChart, AnUnknownPrinterNameChoosesTheDefaultPrinter)
{
    QPrinter other;
    ASSERT_TRUE(SelectChartPrinter(other, QStringLiteral("NoSuchPrinter")));
    EXPECT_EQ(other.printerName(), QPrinterInfo::defaultPrinterName());
    ASSERT_TRUE(SelectChartPrinter(other, QString()));
    EXPECT_EQ(other.printerName(), QPrinterInfo::defaultPrinterName());
}

} // namespace
} // namespace kelvaro::test
