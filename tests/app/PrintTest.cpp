#include "TreeFixture.h"
#include "render/PrintSpool.h"

#include "chart/PatientBaseInfo.h"
#include "common/ui/FileDialog.h"
#include "render/ChartLayout.h"
#include "render/DrawChartPage.h"

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QSpinBox>
#include <QTest>
#include <QTimer>
#include <QToolButton>

namespace kelvaro
{
namespace
{

using test::PrintSpool;

const QString NoPrinter = QStringLiteral("没有找到打印机，不能打印!");
const QString NoChartData = QStringLiteral("没有发现体温单数据，不能打印!");

// A window with the printer object and chart manager of start-up, and the open
// chart of a patient admitted on 2015-03-07.
class Printing : public test::TreeFixture
{
protected:
    void SetUp() override
    {
        TreeFixture::SetUp();
        if (IsSkipped() || HasFatalFailure())
            return;
        AddPatient("A1", "王一", "内科", QDateTime(QDate(2015, 3, 7), QTime(8, 5)));
        ASSERT_TRUE(OpenPatientChart(db(), *window->ChartData, QStringLiteral("IDA1")));
    }

    // Days in the first three weeks.
    void RecordThreeWeeks()
    {
        for (const QString date : {"2015-03-07", "2015-03-15", "2015-03-27"})
            window->ChartData->Days[date].Date = date;
        window->ChartData->Days["2015-03-07"].KB[0] = QStringLiteral("37.2");
        ASSERT_TRUE(window->ChartData->SaveChart());
    }

    // Clicks the print menu button, then the items along `path` of object names
    // in the menus that drop down.
    void ClickPrintMenu(const QStringList& path)
    {
        ClickInNextPopup(path);
        QTest::mouseClick(window->AdvToolBarMenuButton1, Qt::LeftButton);
    }

    // A submenu opens from the keyboard, as a mouse click on it waits for a hover
    // delay; an item is clicked.
    void ClickInNextPopup(QStringList path)
    {
        QTimer::singleShot(0, window.get(), [this, path]() mutable {
            auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            ASSERT_NE(menu, nullptr) << "no menu dropped down for " << path.front().toStdString();
            auto* item = menu->findChild<QAction*>(path.front());
            if (!item)
                menu->close();
            ASSERT_NE(item, nullptr) << path.front().toStdString();
            path.removeFirst();
            if (path.isEmpty()) {
                QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(item).center());
                return;
            }
            ClickInNextPopup(path);
            menu->setActiveAction(item);
            QTest::keyClick(menu, Qt::Key_Right);
        });
    }

    // The page as the window prints it, drawn for the screen.
    QImage PrintedPageOnScreen(int week) const
    {
        QImage page;
        DrawChartPage(page, *window->ChartData, week,
                      {window->StartHour, window->Offset, window->TitleOffset, true});
        return page;
    }
};

TEST_P(Printing, RefusesWithoutThePrinterObject)
{
    window->ChartPrinter.reset();
    ClickPrintMenu({"N1"});
    ClickPrintMenu({"N2"});
    ClickPrintMenu({"NPreview"});
    EXPECT_EQ(MessageBox::ShownTexts(), QStringList({NoPrinter, NoPrinter, NoPrinter}));
}

TEST_P(Printing, RefusesToPrintAllOfAChartWithoutDays)
{
    ClickPrintMenu({"N2"});
    EXPECT_EQ(MessageBox::ShownTexts(), QStringList({NoChartData}));
}

TEST_P(Printing, SendsThePagesAsJobsOfThePrintMode)
{
    KELVARO_PRINT_SPOOL_OR_SKIP();
    struct Case {
        const char* name;
        const char* item;
        int printMode;
        std::vector<int> pagesOfJobs;
    };
    const Case cases[] = {
        {"current page", "N1", 1, {1}},
        {"all pages in one job", "N2", 1, {3}},
        {"all pages in mode 2", "N2", 2, {1, 1, 1}},
        {"all pages in mode 0", "N2", 0, {1, 1, 1}},
    };
    RecordThreeWeeks();
    window->PrinterName = QStringLiteral("NoSuchPrinter"); // prints on the default printer
    window->TxtWeek->setValue(2);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        PrintSpool::Clear();
        MessageBox::ClearShown();
        window->PrintMode = c.printMode;
        ClickPrintMenu({c.item});
        EXPECT_TRUE(MessageBox::ShownTexts().isEmpty())
            << MessageBox::ShownTexts().join('\n').toStdString();
        std::vector<int> pages;
        for (const QString& job : PrintSpool::Jobs())
            pages.push_back(PrintSpool::Pages(job));
        EXPECT_EQ(pages, c.pagesOfJobs);
    }
}

// The window's own printer, on the PDF queue as it is set up (A4, its default
// resolution): every sheet carries the page at 8.0 × 11.6 inches from the top-left
// corner, seen at 100 dots an inch pixel for pixel where the screen page has it,
// legend and page number included; with an offset the right-hand frame too.
TEST_P(Printing, PrintsAllPagesAtTheSizeOfThePageOnTheSheet)
{
    KELVARO_PRINT_SPOOL_OR_SKIP();
    RecordThreeWeeks();
    for (const int offset : {0, 40}) {
        SCOPED_TRACE(offset);
        PrintSpool::Clear();
        window->Offset = offset;
        ClickPrintMenu({"N2"});
        ASSERT_TRUE(MessageBox::ShownTexts().isEmpty());
        const QStringList jobs = PrintSpool::Jobs();
        ASSERT_EQ(jobs.size(), 1);
        EXPECT_EQ(PrintSpool::Pages(jobs.front()), 3);
        EXPECT_EQ(PrintSpool::PageSize(jobs.front()), QSizeF(595, 842));
        const ChartLayout l(offset);
        const int pageNumberX = l.L + 7 * l.DW + 50;
        const int frameRight = l.W - l.R - 1;
        const int middle = l.GraphTop() + 5;
        for (const int week : {1, 3}) {
            const QImage sheet = PrintSpool::Raster(jobs.front(), week, 100);
            const QImage page = PrintedPageOnScreen(week);
            EXPECT_GT(PrintSpool::LastDarkRow(page, pageNumberX), l.Yb());
            EXPECT_NEAR(PrintSpool::LastDarkRow(sheet, pageNumberX),
                        PrintSpool::LastDarkRow(page, pageNumberX), 1);
            EXPECT_NEAR(PrintSpool::FirstDarkColumn(sheet, middle),
                        PrintSpool::FirstDarkColumn(page, middle), 1);
            EXPECT_NEAR(PrintSpool::LastDarkRow(sheet, frameRight),
                        PrintSpool::LastDarkRow(page, frameRight), 1);
        }
    }
}

// The preview works on the window's printer and shows the pages that 打印全部页
// sends.
TEST_P(Printing, PreviewsThePagesOfPrintAll)
{
    RecordThreeWeeks();
    int pages = 0;
    QPrinter* previewed = nullptr;
    onModal = [&](QDialog& dialog) {
        auto* preview = qobject_cast<QPrintPreviewDialog*>(&dialog);
        if (!preview)
            return int(QDialog::Rejected);
        previewed = preview->printer();
        auto* widget = preview->findChild<QPrintPreviewWidget*>();
        widget->updatePreview();
        pages = widget->pageCount();
        return int(QDialog::Rejected);
    };
    ClickPrintMenu({"NPreview"});
    EXPECT_EQ(previewed, window->ChartPrinter.get());
    EXPECT_EQ(pages, 3);
    EXPECT_TRUE(MessageBox::ShownTexts().isEmpty());
}

TEST_P(Printing, ExportsTheCurrentWeekOrAllWeeksToTheChosenPdf)
{
    RecordThreeWeeks();
    QTemporaryDir dir;
    std::vector<FileRequest> requests;
    const FileDialogHandler previous = SetFileDialogHandler([&](const FileRequest& request) {
        requests.push_back(request);
        return dir.filePath(QString::number(requests.size()) + QStringLiteral(".pdf"));
    });
    ClickPrintMenu({"NPdf", "NPdfCurrent"});
    ClickPrintMenu({"NPdf", "NPdfAll"});
    SetFileDialogHandler(previous);

    ASSERT_EQ(requests.size(), 2u);
    EXPECT_EQ(requests[0].mode, FileRequest::Mode::Save);
    EXPECT_EQ(requests[0].defaultSuffix, QStringLiteral("pdf"));
    EXPECT_EQ(PrintSpool::Pages(dir.filePath("1.pdf")), 1);
    EXPECT_EQ(PrintSpool::Pages(dir.filePath("2.pdf")), 3);
    EXPECT_EQ(MessageBox::ShownTexts(),
              QStringList({QStringLiteral("PDF导出成功!"), QStringLiteral("PDF导出成功!")}));
    const QString text =
        PrintSpool::Run(QStringLiteral("pdftotext"), {dir.filePath("2.pdf"), QStringLiteral("-")});
    EXPECT_TRUE(text.contains(QStringLiteral("王一")) && text.contains(QStringLiteral("A1")))
        << text.toStdString();
}

TEST_P(Printing, WritesNoPdfWhenTheSaveDialogIsCancelled)
{
    RecordThreeWeeks();
    const FileDialogHandler previous =
        SetFileDialogHandler([](const FileRequest&) { return QString(); });
    ClickPrintMenu({"NPdf", "NPdfAll"});
    SetFileDialogHandler(previous);
    EXPECT_TRUE(MessageBox::ShownTexts().isEmpty());
}

// One engine is enough: printing reads the chart only through the manager.
INSTANTIATE_TEST_SUITE_P(Engines, Printing, testing::Values(Engine::SQLite), test::EngineName);

} // namespace
} // namespace kelvaro
