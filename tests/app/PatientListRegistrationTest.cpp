#include "PatientListFixture.h"

#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>

namespace kelvaro
{
namespace
{

const QDateTime March7(QDate(2015, 3, 7), QTime(8, 5, 9));

class PatientListRegistrationTest : public test::PatientListFixture
{
protected:
    void SetUp() override
    {
        PatientListFixture::SetUp();
        if (IsSkipped() || HasFatalFailure())
            return;
        AddSections({QStringLiteral("内科")});
        window->FillSectionFilter();
        SetPeriod(QDate::currentDate().addDays(-30), QDate::currentDate());
    }

    // Fills number and name (and the rest when empty), registers, closes.
    void EnterPatient(const QString& serialNumber, const QString& name)
    {
        onModal = [=, this](QDialog& dialog) {
            dialog.show();
            shownCaption = dialog.windowTitle();
            dialog.findChild<QLineEdit*>(QStringLiteral("TxtSN"))->setText(serialNumber);
            dialog.findChild<QLineEdit*>(QStringLiteral("TxtName"))->setText(name);
            for (const char* field : {"TxtAge", "TxtBedNo"}) {
                auto* edit = dialog.findChild<QLineEdit*>(QString::fromLatin1(field));
                if (edit->text().isEmpty())
                    edit->setText(QStringLiteral("7"));
            }
            dialog.findChild<QPushButton*>(QStringLiteral("BtnRegister"))->click();
            dialog.reject();
            return int(QDialog::Rejected);
        };
    }

    QString shownCaption;
};

TEST_P(PatientListRegistrationTest, AddingRegistersAndTheListShowsTheNewPatient)
{
    EnterPatient(QStringLiteral("2001"), QStringLiteral("O'Neil"));
    window->BtnRefreshList->click();
    EXPECT_EQ(modalDialogs, 1);
    EXPECT_EQ(shownCaption, QStringLiteral("添加病人信息"));
    EXPECT_EQ(MessageBox::ShownTexts(), QStringList{"病人信息登记成功!"});
    EXPECT_EQ(Listed(), QStringList{"2001"});
    const Rows stored = Patient(QStringLiteral("2001"));
    ASSERT_EQ(stored.size(), 1u);
    EXPECT_EQ(stored[0].text(QStringLiteral("Name")), QStringLiteral("O'Neil"));
}

TEST_P(PatientListRegistrationTest, ModifyingChangesTheCurrentPatientAndKeepsHisKey)
{
    AddPatient(QStringLiteral("2001"), QStringLiteral("张三"), QStringLiteral("内科"),
               QDateTime::currentDateTime().addDays(-1));
    AddPatient(QStringLiteral("2002"), QStringLiteral("李四"), QStringLiteral("内科"),
               QDateTime::currentDateTime().addDays(-1));
    window->RefreshPatientList();
    const int row = Listed().indexOf(QStringLiteral("2002"));
    ASSERT_GE(row, 0);
    window->PatientList->selectRow(row);

    EnterPatient(QStringLiteral("2001"), QStringLiteral("李四四"));
    window->BtnCheckAdvice->click();
    EXPECT_EQ(shownCaption, QStringLiteral("修改病人信息"));
    EXPECT_EQ(MessageBox::ShownTexts(), QStringList{"病人信息修改成功!"});
    Rows rows;
    ASSERT_TRUE(db().Select(
        QStringLiteral("select * from tblInPatientInfo where ContentID='ID2002'"), rows));
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0].text(QStringLiteral("SerialNumber")), QStringLiteral("2001"));
    EXPECT_EQ(rows[0].text(QStringLiteral("Name")), QStringLiteral("李四四"));
    EXPECT_EQ(Patient(QStringLiteral("2001")).size(), 2u);
}

TEST_P(PatientListRegistrationTest, ModifyingWithoutAPatientAsksForOne)
{
    window->RefreshPatientList();
    window->BtnCheckAdvice->click();
    EXPECT_EQ(MessageBox::ShownTexts(), QStringList{"请选择病人!"});
    EXPECT_EQ(modalDialogs, 0);
}

TEST_P(PatientListRegistrationTest, ClosingWithoutSavingStillRefreshesTheList)
{
    window->RefreshPatientList();
    AddPatient(QStringLiteral("2003"), QStringLiteral("王五"), QStringLiteral("内科"),
               QDateTime::currentDateTime().addDays(-1));
    window->BtnRefreshList->click();
    EXPECT_EQ(modalDialogs, 1);
    EXPECT_EQ(Listed(), QStringList{"2003"});
}

INSTANTIATE_TEST_SUITE_P(Engines, PatientListRegistrationTest, test::AllEngines(),
                         test::EngineName);

} // namespace
} // namespace kelvaro
