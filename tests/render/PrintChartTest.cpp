#include "render/PrintChart.h"
#include "PageFixture.h"
#include "PrintSpool.h"
#include "render/PrintBitmap.h"

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

// The first column from the left, and the last row from the top, darker than
// mid grey along a line through the page.
int FirstDarkColumn(const QImage& image, int y)
{
    for (int x = 0; x < image.width(); ++x)
        if (qGray(image.pixel(x, y)) < 128)
            return x;
    return -1;
}

int LastDarkRow(const QImage& image, int x)
{
    for (int y = image.height() - 1; y >= 0; --y)
        if (qGray(image.pixel(x, y)) < 128)
            return y;
    return -1;
}

TEST_F(PrintChart, LandsAtTheTopLeftOfTheSheetAtTheWholeNumberScaleWithTheOffset)
{
    settings = {2, 40, 20, true};
    const ChartPrintOutcome outcome =
        PrintChartPages(printer, chart, {1, 1, true, settings, QStringLiteral("placement")});
    ASSERT_TRUE(outcome.failures.empty()) << outcome.failures.front().reason.toStdString();
    const QStringList jobs = PrintSpool::Jobs();
    ASSERT_EQ(jobs.size(), 1);

    // At 96 dots an inch one page pixel stretched by the exact ratio of the
    // resolutions is one dot of the sheet; the whole-number scale draws it
    // smaller when that ratio is not whole (12 of 12.5 at 1200 dots an inch).
    const QImage sheet = PrintSpool::Raster(jobs.front(), 1, 96);
    ASSERT_FALSE(sheet.isNull());
    const double ratio = PrintScale(printer.resolution()) * 96.0 / printer.resolution();
    Draw();
    const int middle = 600;
    EXPECT_NEAR(FirstDarkColumn(sheet, middle), FirstDarkColumn(page, middle) * ratio, 1);
    EXPECT_NEAR(LastDarkRow(sheet, 400), LastDarkRow(page, 400) * ratio, 1);
    settings.Offset = 0;
    Draw();
    EXPECT_NEAR(FirstDarkColumn(sheet, middle), (FirstDarkColumn(page, middle) + 40) * ratio, 1);
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
