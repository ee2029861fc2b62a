#include "TreeFixture.h"

#include "chart/ChartRow.h"
#include "common/ui/DialogRunner.h"
#include "common/ui/MessageBox.h"
#include "db/Dialect.h"
#include "forms/U_EditData.h"
#include "forms/U_EditOption.h"
#include "model/ChartDocument.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QToolButton>

#include <memory>

namespace kelvaro
{
namespace
{

const QDateTime March7(QDate(2015, 3, 7), QTime(8, 5, 9));
const QStringList InHospital{QStringLiteral("在院病人"), QStringLiteral("内科"),
                             QStringLiteral("王一[A1]")};
const QStringList Discharged{QStringLiteral("出院病人"), QStringLiteral("内科"),
                             QStringLiteral("钱五[A2]")};

// A window after start-up on its chart page, its tree holding a patient in
// hospital and one discharged; modal dialogs handed to `onModal` instead of run.
class Entry : public test::TreeFixture
{
protected:
    void SetUp() override
    {
        TreeFixture::SetUp();
        if (IsSkipped() || HasFatalFailure())
            return;
        AddSections({QStringLiteral("内科")});
        AddPatient("A1", "王一", "内科", March7);
        AddPatient("A2", "钱五", "内科", March7, 2, March7.addDays(2));
        QTest::mouseClick(window->BtnRefreshTree, Qt::LeftButton);
    }

    void Open(const QStringList& path)
    {
        QTreeWidgetItem* node = Node(path);
        ASSERT_NE(node, nullptr) << path.join('/').toStdString();
        DoubleClickNode(node);
    }

    void ClickEntry() { QTest::mouseClick(window->BtnInputData, Qt::LeftButton); }

    QStringList Shown() const { return screen.modalDialogs.mid(1); } // after the login
};

// Each case leaves the window worse off than the one before.
TEST_P(Entry, IsRefusedForADischargedPatientAndWithoutAnOpenOne)
{
    const struct {
        const char* what;
        std::function<void()> before;
        const char* message;
    } cases[] = {
        {"no patient", [] {}, "没有发现病人信息，不能录入体温单数据!"},
        {"discharged", [this] { Open(Discharged); }, "出院病人的体温单信息不允许修改!"},
        {"no chart manager (start-up gave up)", [this] { window->ChartData.reset(); },
         "没有发现病人信息，不能录入体温单数据!"},
    };
    for (const auto& [what, before, message] : cases) {
        SCOPED_TRACE(what);
        before();
        MessageBox::ClearShown();
        ClickEntry();
        EXPECT_EQ(MessageBox::ShownTexts(), QStringList{QString::fromUtf8(message)});
        EXPECT_TRUE(Shown().isEmpty());
    }
}

TEST_P(Entry, TheChartShowsWhatTheDialogStoredOnceItCloses)
{
    Open(InHospital);
    const QImage emptyWeek = window->Image->pixmap().toImage();
    onModal = [this](QDialog& dialog) {
        dialog.show();                                // opens on the admission day
        EXPECT_TRUE(window->ChartData->Days.empty()); // not before it closes
        QTest::keyClicks(dialog.findChild<QLineEdit*>(QStringLiteral("TxtYB1")),
                         QStringLiteral("38.5"));
        QTest::mouseClick(dialog.findChild<QPushButton*>(QStringLiteral("BtnSave")),
                          Qt::LeftButton);
        EXPECT_TRUE(window->ChartData->Days.empty());
        return int(QDialog::Rejected);
    };
    ClickEntry();

    EXPECT_EQ(Shown(), QStringList{QStringLiteral("F_EditData")});
    const TemperatureDataMap& days = window->ChartData->Days;
    ASSERT_EQ(days.size(), 1u);
    EXPECT_EQ(days.at(QStringLiteral("2015-03-07")).YB[0], QStringLiteral("38.5"));
    EXPECT_EQ(days.at(QStringLiteral("2015-03-07")).OperationLog.at(0).Operator,
              QStringLiteral("nurse1"));
    ChartRow row;
    ASSERT_TRUE(ReadChartRow(window->DBConnect, QStringLiteral("IDA1"), row, nullptr));
    EXPECT_EQ(window->ChartData->GetDocumentText(), row.document);
    EXPECT_NE(window->Image->pixmap().toImage(), emptyWeek); // the week was drawn again
}

TEST_P(Entry, ClosingWithoutSavingKeepsTheChartAsItWas)
{
    Open(InHospital);
    const QByteArray before = window->ChartData->GetDocumentText();
    ClickEntry();
    EXPECT_EQ(Shown(), QStringList{QStringLiteral("F_EditData")});
    EXPECT_EQ(window->ChartData->GetDocumentText(), before);
}

TEST_P(Entry, TheOptionMenuOpensTheOptionDialog)
{
    window->N14->trigger();
    EXPECT_EQ(Shown(), QStringList{QStringLiteral("F_EditOption")});
}

INSTANTIATE_TEST_SUITE_P(Engines, Entry, test::AllEngines(), test::EngineName);

} // namespace
} // namespace kelvaro
