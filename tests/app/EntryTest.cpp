#include "db/Engines.h"

#include "app/U_Main.h"
#include "chart/ChartDocument.h"
#include "chart/ChartRow.h"
#include "common/ui/DialogRunner.h"
#include "common/ui/MessageBox.h"
#include "db/Dialect.h"
#include "forms/U_EditData.h"
#include "forms/U_EditOption.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <memory>

namespace kelvaro
{
namespace
{

const QString Patient = QStringLiteral("00112233445566778899AABBCCDDEEFF");

// A window set up as start-up leaves it, with a patient's chart open and
// modal dialogs handed to `onModal` instead of run.
class Entry : public testing::TestWithParam<Engine>
{
protected:
    void SetUp() override
    {
        KELVARO_FRESH_DATABASE_OR_SKIP(fresh, GetParam(), test::FreshDatabase::Contents::Schema);
        window = std::make_unique<TF_Main>();
        ASSERT_TRUE(window->DBConnect.Open(fresh.settings()));
        window->DatabaseKind = fresh.kind();
        const Dialect dialect = DialectForKind(fresh.kind());
        window->PatientSource = dialect.PatientSource;
        window->UserNumber = QStringLiteral("n01");
        window->ChartData = std::make_unique<_TemperatureData>(&window->DBConnect);
        _TemperatureData& chart = *window->ChartData;
        chart.DatabaseKind = fresh.kind();
        chart.Operator = window->UserNumber;
        chart.PatientID = Patient;
        chart.SerialNumber = QStringLiteral("A1");
        chart.InHospitalDate = QStringLiteral("2015-03-07");
        ASSERT_TRUE(chart.LoadChart());
        window->PatientStatus = 1;

        MessageBox::SetScripted(true);
        MessageBox::ClearShown();
        previous_ = SetModalHandler([this](QDialog& dialog) {
            shown.push_back(dialog.objectName());
            return onModal ? onModal(dialog) : int(QDialog::Rejected);
        });
    }
    void TearDown() override
    {
        SetModalHandler(previous_);
        MessageBox::SetScripted(false);
    }

    test::FreshDatabase fresh;
    std::unique_ptr<TF_Main> window;
    QStringList shown;
    ModalHandler onModal;

private:
    ModalHandler previous_;
};

// Each case leaves the window worse off than the one before.
TEST_P(Entry, IsRefusedForADischargedPatientAndWithoutAnOpenOne)
{
    const struct {
        const char* what;
        std::function<void(TF_Main&)> change;
        const char* message;
    } cases[] = {
        {"discharged", [](TF_Main& w) { w.PatientStatus = 2; }, "出院病人的体温单信息不允许修改!"},
        {"no patient", [](TF_Main& w) { w.ChartData->PatientID.clear(); },
         "没有发现病人信息，不能录入体温单数据!"},
        {"before start-up", [](TF_Main& w) { w.ChartData.reset(); },
         "没有发现病人信息，不能录入体温单数据!"},
    };
    for (const auto& [what, change, message] : cases) {
        MessageBox::ClearShown();
        change(*window);
        window->BtnInputDataClick();
        EXPECT_EQ(MessageBox::ShownTexts(), QStringList{QString::fromUtf8(message)}) << what;
        EXPECT_TRUE(shown.isEmpty()) << what;
    }
}

TEST_P(Entry, TheChartShowsWhatTheDialogStoredOnceItCloses)
{
    onModal = [this](QDialog& dialog) {
        dialog.show();                                // opens on the admission day
        EXPECT_TRUE(window->ChartData->Days.empty()); // not before it closes
        dialog.findChild<QLineEdit*>(QStringLiteral("TxtYB1"))->setText(QStringLiteral("38.5"));
        dialog.findChild<QPushButton*>(QStringLiteral("BtnSave"))->click();
        EXPECT_TRUE(window->ChartData->Days.empty());
        return int(QDialog::Rejected);
    };
    window->BtnInputDataClick();

    EXPECT_EQ(shown, QStringList{QStringLiteral("F_EditData")});
    const TemperatureDataMap& days = window->ChartData->Days;
    ASSERT_EQ(days.size(), 1u);
    EXPECT_EQ(days.at(QStringLiteral("2015-03-07")).YB[0], QStringLiteral("38.5"));
    EXPECT_EQ(days.at(QStringLiteral("2015-03-07")).OperationLog.at(0).Operator,
              QStringLiteral("n01"));
    ChartRow row;
    ASSERT_TRUE(ReadChartRow(window->DBConnect, Patient, row, nullptr));
    EXPECT_EQ(window->ChartData->GetDocumentText(), row.document);
    EXPECT_FALSE(window->Image->pixmap().isNull()); // the week was drawn again
}

TEST_P(Entry, ClosingWithoutSavingKeepsTheChartAsItWas)
{
    const QByteArray before = window->ChartData->GetDocumentText();
    window->BtnInputDataClick();
    EXPECT_EQ(shown, QStringList{QStringLiteral("F_EditData")});
    EXPECT_EQ(window->ChartData->GetDocumentText(), before);
}

TEST_P(Entry, TheOptionMenuOpensTheOptionDialog)
{
    window->N14Click();
    EXPECT_EQ(shown, QStringList{QStringLiteral("F_EditOption")});
}

INSTANTIATE_TEST_SUITE_P(Engines, Entry, test::AllEngines(), test::EngineName);

} // namespace
} // namespace kelvaro
