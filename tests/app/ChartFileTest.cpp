#include "TreeFixture.h"

#include "chart/PatientBaseInfo.h"
#include "common/CodePage.h"
#include "common/ui/FileDialog.h"

#include <QFile>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

namespace kelvaro
{
namespace
{

const QDateTime March7(QDate(2015, 3, 7), QTime(8, 5, 9));
const QStringList LeafA1{QStringLiteral("在院病人"), QStringLiteral("内科"),
                         QStringLiteral("王一[A1]")};

// A window after start-up whose tree holds two patients with stored charts;
// the second one's chart is open. Every file dialog answers `chosenFile`.
class ChartFile : public test::TreeFixture
{
protected:
    ChartFile()
    {
        loginCode = loginPassword = QStringLiteral("admin");
    } // import and export are his

    void SetUp() override
    {
        TreeFixture::SetUp();
        if (IsSkipped() || HasFatalFailure())
            return;
        AddSections({QStringLiteral("内科")});
        AddPatient("A1", "王一", "内科", March7);
        AddPatient("A2", "钱五", "内科", March7);
        StoreDays(QStringLiteral("IDA1"), QStringLiteral("一"));
        StoreDays(QStringLiteral("IDA2"), QStringLiteral("二"));
        ASSERT_TRUE(OpenPatientChart(db(), *window->ChartData, QStringLiteral("IDA2")));
        QTest::mouseClick(window->BtnRefreshTree, Qt::LeftButton);
        previous_ = SetFileDialogHandler([this](const FileRequest& request) {
            requests.push_back(request);
            return chosenFile;
        });
    }
    void TearDown() override
    {
        SetFileDialogHandler(previous_);
        TreeFixture::TearDown();
    }

    // Two days, the second stored twice.
    void StoreDays(const QString& patientId, const QString& memo)
    {
        _TemperatureData chart(&db());
        chart.DatabaseKind = fresh.kind();
        ASSERT_TRUE(OpenPatientChart(db(), chart, patientId));
        for (const QString date : {"2015-03-07", "2015-03-08"}) {
            TemperatureData& day = chart.Days[date];
            day.Date = date;
            day.KB[0] = QStringLiteral("37.5");
            day.Memo[1] = memo;
            day.OperationLog.push_back({QStringLiteral("1"), date + " 08:00:00", "n01"});
        }
        chart.Days["2015-03-08"].OperationLog.push_back(
            {QStringLiteral("2"), QStringLiteral("2015-03-08 09:00:00"), QStringLiteral("n02")});
        ASSERT_TRUE(chart.SaveChart());
    }

    TemperatureDataMap StoredDays(const QString& patientId)
    {
        _TemperatureData chart(&db());
        chart.DatabaseKind = fresh.kind();
        EXPECT_TRUE(OpenPatientChart(db(), chart, patientId));
        return chart.Days;
    }

    int ChartRows(const QString& patientId)
    {
        Rows rows;
        EXPECT_TRUE(db().Select(
            "select PatientID from tblFebriloInfo where PatientID='" + patientId + "'", rows));
        return int(rows.size());
    }

    QTemporaryDir dir;
    QString chosenFile = dir.filePath(QStringLiteral("chart.QDB"));
    std::vector<FileRequest> requests;

private:
    FileDialogHandler previous_;
};

TEST_P(ChartFile, ClearingNeedsBothConfirmations)
{
    const TemperatureDataMap before = StoredDays(QStringLiteral("IDA1"));
    for (const std::deque<bool>& answers : {std::deque<bool>{false}, {true, false}}) {
        MessageBox::SetNextAnswers(answers);
        ChooseFromTreeMenu(LeafA1, window->N8);
        EXPECT_EQ(StoredDays(QStringLiteral("IDA1")), before);
    }
    EXPECT_EQ(window->ChartData->PatientID, QStringLiteral("IDA2"));
}

TEST_P(ChartFile, ClearingAfterTwoYesLeavesOneEmptyChartShownFromWeekOne)
{
    window->TxtWeek->setValue(3);
    MessageBox::SetNextAnswers({true, true});
    ChooseFromTreeMenu(LeafA1, window->N8);
    EXPECT_EQ(MessageBox::ShownTexts(),
              QStringList({QStringLiteral("确认清除此病人的体温单数据，清除后将不能恢复?"),
                           QStringLiteral("再次确认清除此病人的体温单数据，清除后将不能恢复?")}));
    EXPECT_EQ(ChartRows(QStringLiteral("IDA1")), 1);
    EXPECT_TRUE(StoredDays(QStringLiteral("IDA1")).empty());
    EXPECT_EQ(window->ChartData->PatientID, QStringLiteral("IDA1"));
    EXPECT_TRUE(window->ChartData->Days.empty());
    EXPECT_EQ(window->TxtWeek->value(), 1);
    EXPECT_FALSE(StoredDays(QStringLiteral("IDA2")).empty());
}

TEST_P(ChartFile, ExportThenImportLeavesTheStoredDaysUnchanged)
{
    const TemperatureDataMap before = StoredDays(QStringLiteral("IDA1"));
    ChooseFromTreeMenu(LeafA1, window->N13);
    ASSERT_EQ(requests.size(), 1u);
    EXPECT_EQ(requests[0].mode, FileRequest::Mode::Save);
    EXPECT_EQ(requests[0].filter, QStringLiteral("体温单数据文件(*.QDB)"));
    EXPECT_EQ(requests[0].defaultSuffix, QStringLiteral("QDB"));
    EXPECT_EQ(requests[0].fileName, LeafA1.back());
    // The chart on view stays the one entry works on.
    EXPECT_EQ(window->ChartData->PatientID, QStringLiteral("IDA2"));

    MessageBox::SetNextAnswers({true, true});
    ChooseFromTreeMenu(LeafA1, window->N12);
    ASSERT_EQ(requests.size(), 2u);
    EXPECT_EQ(requests[1].mode, FileRequest::Mode::Open);
    EXPECT_EQ(requests[1].filter, QStringLiteral("体温单数据文件(*.QDB)"));
    EXPECT_EQ(MessageBox::ShownTexts().first(), QStringLiteral("数据导出成功!"));
    EXPECT_EQ(MessageBox::ShownTexts().last(), QStringLiteral("数据导入成功!"));
    EXPECT_EQ(StoredDays(QStringLiteral("IDA1")), before);
    EXPECT_EQ(window->ChartData->PatientID, QStringLiteral("IDA1"));
    EXPECT_EQ(window->ChartData->Days, before);
}

TEST_P(ChartFile, ImportAsksTwiceBeforeTheFileDialog)
{
    for (const std::deque<bool>& answers : {std::deque<bool>{false}, {true, false}}) {
        MessageBox::SetNextAnswers(answers);
        ChooseFromTreeMenu(LeafA1, window->N12);
    }
    EXPECT_TRUE(requests.empty());
    chosenFile.clear(); // the nurse cancels the file dialog
    MessageBox::SetNextAnswers({true, true});
    MessageBox::ClearShown();
    ChooseFromTreeMenu(LeafA1, window->N12);
    EXPECT_EQ(requests.size(), 1u);
    EXPECT_EQ(MessageBox::ShownTexts().size(), 2); // the two questions only
    EXPECT_EQ(window->ChartData->PatientID, QStringLiteral("IDA2"));
}

TEST_P(ChartFile, RefusesTheFileOfAnotherAdmissionAndShowsTheStoredChartAgain)
{
    ChooseFromTreeMenu(
        {QStringLiteral("在院病人"), QStringLiteral("内科"), QStringLiteral("钱五[A2]")},
        window->N13);
    const TemperatureDataMap before = StoredDays(QStringLiteral("IDA1"));
    MessageBox::SetNextAnswers({true, true});
    MessageBox::ClearShown();
    ChooseFromTreeMenu(LeafA1, window->N12);
    ASSERT_EQ(MessageBox::ShownTexts().size(), 3);
    EXPECT_TRUE(MessageBox::ShownTexts().last().contains(QStringLiteral("不是该病人本次住院")));
    EXPECT_EQ(StoredDays(QStringLiteral("IDA1")), before);
    EXPECT_EQ(window->ChartData->PatientID, QStringLiteral("IDA1"));
    EXPECT_EQ(window->ChartData->Days, before);
}

TEST_P(ChartFile, RefusesAFileThatIsNoChart)
{
    QFile file(chosenFile);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("not a chart");
    file.close();
    const TemperatureDataMap before = StoredDays(QStringLiteral("IDA1"));
    MessageBox::SetNextAnswers({true, true});
    ChooseFromTreeMenu(LeafA1, window->N12);
    EXPECT_TRUE(MessageBox::ShownTexts().last().startsWith(
        QStringLiteral("此文件已损坏或不是体温单数据文件（")))
        << MessageBox::ShownTexts().last().toStdString();
    EXPECT_EQ(StoredDays(QStringLiteral("IDA1")), before);
    EXPECT_EQ(window->ChartData->Days, before);
}

INSTANTIATE_TEST_SUITE_P(Engines, ChartFile, test::AllEngines(), test::EngineName);

} // namespace
} // namespace kelvaro
