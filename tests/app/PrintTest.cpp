#include "TreeFixture.h"
#include "render/PrintSpool.h"

#include "chart/PatientBaseInfo.h"
#include "common/ui/FileDialog.h"

#include <QAction>
#include <QMenu>
#include <QPrinter>
#include <QSpinBox>

namespace kelvaro
{
namespace
{

const QString NoPrinter = QStringLiteral("没有找到打印机，不能打印!");
const QString NoChartData = QStringLiteral("没有发现体温单数据，不能打印!");

// A window after start-up with the printer object, and the open chart of a
// patient admitted on 2015-03-07 with days in its first three weeks.
class Printing : public test::TreeFixture
{
protected:
    void SetUp() override
    {
        TreeFixture::SetUp();
        if (IsSkipped() || HasFatalFailure())
            return;
        window->ChartPrinter = std::make_unique<QPrinter>(QPrinter::HighResolution);
        AddPatient("A1", "王一", "内科", QDateTime(QDate(2015, 3, 7), QTime(8, 5)));
        ASSERT_TRUE(OpenPatientChart(db(), *window->ChartData, QStringLiteral("IDA1")));
    }

    void RecordThreeWeeks()
    {
        for (const QString date : {"2015-03-07", "2015-03-15", "2015-03-27"})
            window->ChartData->Days[date].Date = date;
        window->ChartData->Days["2015-03-07"].KB[0] = QStringLiteral("37.2");
        ASSERT_TRUE(window->ChartData->SaveChart());
    }

    // The menu item of the print menu with this objectName.
    QAction* Item(const char* name) const
    {
        return window->AdvPopupMenu1->findChild<QAction*>(QString::fromLatin1(name));
    }
};

TEST_P(Printing, RefusesWithoutThePrinterObject)
{
    window->ChartPrinter.reset();
    window->N1Click();
    window->N2Click();
    EXPECT_EQ(MessageBox::ShownTexts(), QStringList({NoPrinter, NoPrinter}));
}

TEST_P(Printing, RefusesToPrintAllOfAChartWithoutDays)
{
    window->N2Click();
    EXPECT_EQ(MessageBox::ShownTexts(), QStringList({NoChartData}));
}

TEST_P(Printing, SendsThePagesAsJobsOfThePrintMode)
{
    KELVARO_PRINT_SPOOL_OR_SKIP();
    struct Case {
        const char* name;
        void (TF_Main::*command)();
        int printMode;
        std::vector<int> pagesOfJobs;
    };
    const Case cases[] = {
        {"current page", &TF_Main::N1Click, 1, {1}},
        {"all pages in one job", &TF_Main::N2Click, 1, {3}},
        {"all pages in mode 2", &TF_Main::N2Click, 2, {1, 1, 1}},
        {"all pages in mode 0", &TF_Main::N2Click, 0, {1, 1, 1}},
    };
    RecordThreeWeeks();
    window->PrinterName = QStringLiteral("NoSuchPrinter"); // prints on the default printer
    window->TxtWeek->setValue(2);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        test::PrintSpool::Clear();
        MessageBox::ClearShown();
        window->PrintMode = c.printMode;
        (window.get()->*c.command)();
        EXPECT_TRUE(MessageBox::ShownTexts().isEmpty())
            << MessageBox::ShownTexts().join('\n').toStdString();
        std::vector<int> pages;
        for (const QString& job : test::PrintSpool::Jobs())
            pages.push_back(test::PrintSpool::Pages(job));
        EXPECT_EQ(pages, c.pagesOfJobs);
    }
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
    Item("NPdfCurrent")->trigger();
    Item("NPdfAll")->trigger();
    SetFileDialogHandler(previous);

    ASSERT_EQ(requests.size(), 2u);
    EXPECT_EQ(requests[0].mode, FileRequest::Mode::Save);
    EXPECT_EQ(requests[0].defaultSuffix, QStringLiteral("pdf"));
    EXPECT_EQ(test::PrintSpool::Pages(dir.filePath("1.pdf")), 1);
    EXPECT_EQ(test::PrintSpool::Pages(dir.filePath("2.pdf")), 3);
    EXPECT_EQ(MessageBox::ShownTexts(),
              QStringList({QStringLiteral("PDF导出成功!"), QStringLiteral("PDF导出成功!")}));
}

TEST_P(Printing, WritesNoPdfWhenTheSaveDialogIsCancelled)
{
    RecordThreeWeeks();
    const FileDialogHandler previous =
        SetFileDialogHandler([](const FileRequest&) { return QString(); });
    Item("NPdfAll")->trigger();
    SetFileDialogHandler(previous);
    EXPECT_TRUE(MessageBox::ShownTexts().isEmpty());
}

// One engine is enough: printing reads the chart only through the manager.
INSTANTIATE_TEST_SUITE_P(Engines, Printing, testing::Values(Engine::SQLite), test::EngineName);

} // namespace
} // namespace kelvaro
