#include "TreeFixture.h"

#include "chart/PatientBaseInfo.h"
#include "render/DrawChartPage.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QFocusEvent>
#include <QLabel>
#include <QLineEdit>
#include <QScrollArea>
#include <QScrollBar>
#include <QSpinBox>
#include <QTest>
#include <QToolButton>
#include <QWheelEvent>

namespace kelvaro
{
namespace
{

const QDateTime March7(QDate(2015, 3, 7), QTime(8, 5, 9));
const QSize ShownPage(800, 1150);

// A window after start-up on its chart page, the tree built with two
// in-hospital patients.
class ChartView : public test::TreeFixture
{
protected:
    void SetUp() override
    {
        TreeFixture::SetUp();
        if (IsSkipped() || HasFatalFailure())
            return;
        window->ChartData->ResetPatient();
        AddSections({QStringLiteral("内科")});
        AddPatient("A1", "王一", "内科", March7);
        AddPatient("A2", "钱五", "内科", March7.addDays(1));
        QTest::mouseClick(window->BtnRefreshTree, Qt::LeftButton);
    }

    void DoubleClick(const QStringList& path)
    {
        QTreeWidgetItem* node = Node(path);
        ASSERT_NE(node, nullptr) << path.join('/').toStdString();
        DoubleClickNode(node);
    }

    // The picture the view shows, or a null image.
    QImage Shown() const
    {
        return window->Image->pixmap().toImage().convertToFormat(QImage::Format_RGB32);
    }

    // What the chart renderer draws for the patient's week, cut to the view.
    QImage Expected(const QString& contentId, int week, int offset = 0)
    {
        _TemperatureData chart(&db());
        chart.DatabaseKind = fresh.kind();
        chart.Title = window->ChartData->Title;
        EXPECT_TRUE(OpenPatientChart(db(), chart, contentId));
        QImage page;
        DrawChartPage(page, chart, week, {2, offset, 0, offset != 0});
        return page.copy(QRect(QPoint(), ShownPage)).convertToFormat(QImage::Format_RGB32);
    }

    void Rename(const QString& serialNumber, const QString& name)
    {
        ASSERT_TRUE(db().Exec("update tblInPatientInfo set Name='" + name +
                              "' where SerialNumber='" + serialNumber + "'"));
    }

    QLineEdit* WeekText() const { return window->TxtWeek->findChild<QLineEdit*>(); }

    void LeaveWeek()
    {
        QFocusEvent leave(QEvent::FocusOut, Qt::TabFocusReason);
        QCoreApplication::sendEvent(window->TxtWeek, &leave);
    }
};

TEST_P(ChartView, DoubleClickOnAPatientLoadsHimAndDrawsWeekOne)
{
    DoubleClick({"在院病人", "内科", "王一[A1]"});
    EXPECT_EQ(window->ChartData->PatientID, "IDA1");
    EXPECT_EQ(window->ChartData->Name, "王一");
    EXPECT_EQ(window->ChartData->InHospitalDate, "2015-03-07");
    EXPECT_EQ(window->PatientStatus, 1);
    EXPECT_EQ(window->TxtWeek->value(), 1);
    const QImage shown = Shown();
    EXPECT_EQ(shown.size(), ShownPage);
    EXPECT_EQ(shown, Expected("IDA1", 1));
    EXPECT_EQ(MessageBox::ShownTexts(), QStringList());

    // Another patient while week 3 is shown: week 1 of the new one.
    window->TxtWeek->setValue(3);
    EXPECT_EQ(Shown(), Expected("IDA1", 3));
    DoubleClick({"在院病人", "内科", "钱五[A2]"});
    EXPECT_EQ(window->TxtWeek->value(), 1);
    EXPECT_EQ(window->ChartData->Name, "钱五");
    EXPECT_EQ(Shown(), Expected("IDA2", 1));
}

TEST_P(ChartView, DoubleClickOnARootOrSectionDoesNothing)
{
    const QImage empty = Shown(); // the empty page start-up shows
    for (const QStringList& branch : {QStringList{"在院病人"}, QStringList{"出院病人", "内科"}}) {
        DoubleClick(branch);
        EXPECT_TRUE(window->ChartData->PatientID.isEmpty());
        EXPECT_EQ(Shown(), empty);
    }
}

TEST_P(ChartView, EveryWeekChangeAndRefreshReloadsFromTheDatabase)
{
    DoubleClick({"在院病人", "内科", "王一[A1]"});
    Rename("A1", "王一一");
    window->TxtWeek->setValue(2);
    EXPECT_EQ(window->ChartData->Name, "王一一");
    EXPECT_EQ(Shown(), Expected("IDA1", 2));

    Rename("A1", "王壹");
    window->BtnRefresh->click();
    EXPECT_EQ(window->ChartData->Name, "王壹");
}

TEST_P(ChartView, EmptyWeekDrawsNothingAndZeroBecomesWeekOneWhenLeft)
{
    DoubleClick({"在院病人", "内科", "王一[A1]"});
    window->TxtWeek->setValue(3);
    const QImage week3 = Shown();

    Rename("A1", "王一一");
    WeekText()->selectAll();
    QTest::keyClick(WeekText(), Qt::Key_Backspace);
    EXPECT_EQ(window->ChartData->Name, "王一");
    EXPECT_EQ(Shown(), week3);

    for (const int shownWeek : {3, 1}) {
        window->TxtWeek->setValue(shownWeek);
        Rename("A1", "王" + QString::number(shownWeek));
        WeekText()->setText("0");
        LeaveWeek();
        EXPECT_EQ(WeekText()->text(), "1") << shownWeek;
        EXPECT_EQ(window->ChartData->Name, "王" + QString::number(shownWeek)) << shownWeek;
        EXPECT_EQ(Shown(), Expected("IDA1", 1)) << shownWeek;
    }
}

TEST_P(ChartView, OffsetPreviewShiftsThePageRightOnTheNextDrawing)
{
    DoubleClick({"在院病人", "内科", "王一[A1]"});
    window->Offset = 40;
    window->ChkOffsetPreView->setChecked(true);
    EXPECT_EQ(Shown(), Expected("IDA1", 1));
    QTest::mouseClick(window->BtnRefresh, Qt::LeftButton);
    EXPECT_EQ(Shown(), Expected("IDA1", 1, 40));
}

TEST_P(ChartView, UnreadablePatientHeaderIsReportedAndTheDrawingGoesOn)
{
    window->PatientSource = QStringLiteral("NoSuchTable");
    DoubleClick({"在院病人", "内科", "王一[A1]"});
    EXPECT_EQ(MessageBox::ShownTexts(), QStringList({"获取病人基本信息失败!"}));
    EXPECT_EQ(Shown().size(), ShownPage);
}

TEST_P(ChartView, WheelMovesThePictureOneStepWithinTheRange)
{
    QScrollBar* bar = window->ScrollBox->verticalScrollBar();
    bar->setRange(0, 20);
    const auto wheel = [this](int delta) {
        QWheelEvent event(QPointF(10, 10), QPointF(10, 10), QPoint(), QPoint(0, delta),
                          Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QCoreApplication::sendEvent(window->ScrollBox->viewport(), &event);
    };
    struct Case {
        int from, delta, to;
    };
    for (const Case c : {Case{0, -120, 8}, Case{16, -120, 20}, Case{20, -120, 20},
                         Case{20, 120, 12}, Case{5, 120, 0}, Case{0, 120, 0}}) {
        bar->setValue(c.from);
        wheel(c.delta);
        EXPECT_EQ(bar->value(), c.to) << c.from << " " << c.delta;
    }
}

INSTANTIATE_TEST_SUITE_P(Engines, ChartView, test::AllEngines(), test::EngineName);

} // namespace
} // namespace kelvaro
