#include "PatientListFixture.h"

#include "db/Maintenance.h"

#include <QDir>
#include <QRegularExpression>
#include <QToolButton>

namespace kelvaro
{
namespace
{

const QDateTime March7(QDate(2015, 3, 7), QTime(8, 5, 9));
const QDateTime March9(QDate(2015, 3, 9), QTime(10, 0));
const QString DischargeQuestion = QStringLiteral("确认病人出院，出院后体温单将不能修改?");
const QString UndoQuestion = QStringLiteral("确认将病人出院回退?");
const QString DeleteQuestion =
    QStringLiteral("确认删除选择的病人，删除后病人数据将不能恢复，请确认?");

class LifecycleTest : public test::PatientListFixture
{
protected:
    void SetUp() override
    {
        PatientListFixture::SetUp();
        if (IsSkipped() || HasFatalFailure())
            return;
        AddSections({QStringLiteral("全部")});
        window->FillSectionFilter();
        AddPatient(QStringLiteral("1001"), QStringLiteral("张三"), QStringLiteral("内科"), March7);
        AddPatient(QStringLiteral("1002"), QStringLiteral("李四"), QStringLiteral("内科"), March7);
        AddPatient(QStringLiteral("1003"), QStringLiteral("王五"), QStringLiteral("内科"), March7,
                   2, March9);
    }

    void ShowStatus(int index)
    {
        window->CBoxStatus->setCurrentIndex(index);
        window->CBoxStatusChange();
        MessageBox::ClearShown();
    }

    void Select(const QString& serialNumber)
    {
        const int row = Listed().indexOf(serialNumber);
        ASSERT_GE(row, 0) << serialNumber.toStdString();
        window->PatientList->selectRow(row);
    }

    int CurrentStatus(const QString& serialNumber)
    {
        const Rows rows = Patient(serialNumber);
        return rows.empty() ? -1 : rows[0].text(QStringLiteral("CurrentStatus")).toInt();
    }

    void AddChartRow(const QString& contentID)
    {
        ASSERT_TRUE(db().Exec("insert into tblFebriloInfo(PatientID,BodyTempData) values('" +
                              contentID + "','<x/>')"));
    }

    int ChartRows(const QString& contentID)
    {
        Rows rows;
        EXPECT_TRUE(db().Select(
            "select count(*) as n from tblFebriloInfo where PatientID='" + contentID + "'", rows));
        return rows.empty() ? -1 : rows[0].text(QStringLiteral("n")).toInt();
    }

    QStringList Backups() const
    {
        return QDir(fresh.dir() + QStringLiteral("/DBBak")).entryList(QDir::Files);
    }
};

TEST_P(LifecycleTest, EveryActionWithAnEmptyListAsksForAPatientAndChangesNothing)
{
    SetPeriod(QDate(2000, 1, 1), QDate(2000, 1, 2));
    window->RefreshPatientList();
    ASSERT_TRUE(Listed().isEmpty());
    for (QToolButton* button : {window->BtnOutHos, window->BtnOutHosReturn, window->BtnCalcPrice}) {
        MessageBox::ClearShown();
        button->setEnabled(true);
        button->click();
        EXPECT_EQ(MessageBox::ShownTexts(), QStringList{"请选择病人!"})
            << button->objectName().toStdString();
    }
    EXPECT_EQ(CurrentStatus(QStringLiteral("1001")), 1);
    EXPECT_EQ(CurrentStatus(QStringLiteral("1003")), 2);
    EXPECT_TRUE(Backups().isEmpty());
}

TEST_P(LifecycleTest, AnsweringNoChangesNothing)
{
    struct Case {
        int status;
        QString serialNumber;
        QToolButton* button;
        QString question;
    };
    const Case cases[] = {
        {0, QStringLiteral("1001"), window->BtnOutHos, DischargeQuestion},
        {1, QStringLiteral("1003"), window->BtnOutHosReturn, UndoQuestion},
        {0, QStringLiteral("1001"), window->BtnCalcPrice, DeleteQuestion},
    };
    for (const Case& c : cases) {
        ShowStatus(c.status);
        Select(c.serialNumber);
        MessageBox::SetNextAnswers({false});
        c.button->click();
        EXPECT_EQ(MessageBox::ShownTexts(), QStringList{c.question});
    }
    EXPECT_EQ(CurrentStatus(QStringLiteral("1001")), 1);
    EXPECT_EQ(CurrentStatus(QStringLiteral("1003")), 2);
    EXPECT_TRUE(Backups().isEmpty());
}

TEST_P(LifecycleTest, DischargeAndItsUndoingMoveThePatientBetweenTheLists)
{
    ShowStatus(0);
    Select(QStringLiteral("1002"));
    const QDateTime before = QDateTime::currentDateTime().addSecs(-1);
    MessageBox::SetNextAnswers({true});
    window->BtnOutHos->click();
    EXPECT_EQ(MessageBox::ShownTexts(), QStringList({DischargeQuestion, "办理病人出院成功!"}));
    EXPECT_EQ(Listed(), QStringList{"1001"});
    EXPECT_EQ(CurrentStatus(QStringLiteral("1002")), 2);
    const QDateTime discharged = Patient(QStringLiteral("1002"))[0].dateTime("OutHospitalDate");
    EXPECT_GE(discharged, before);
    EXPECT_LE(discharged, QDateTime::currentDateTime());

    SetPeriod(QDate::currentDate(), QDate::currentDate());
    ShowStatus(1);
    EXPECT_EQ(Listed(), QStringList{"1002"});
    Select(QStringLiteral("1002"));
    MessageBox::SetNextAnswers({true});
    window->BtnOutHosReturn->click();
    EXPECT_EQ(MessageBox::ShownTexts(), QStringList({UndoQuestion, "病人出院回退成功!"}));
    EXPECT_EQ(Listed(), QStringList());
    EXPECT_EQ(CurrentStatus(QStringLiteral("1002")), 1);
    EXPECT_TRUE(Patient(QStringLiteral("1002"))[0].isNull(QStringLiteral("OutHospitalDate")));
}

TEST_P(LifecycleTest, FailedStatusChangesSayWhyAndLeaveTheListAsItWas)
{
    struct Case {
        int status;
        QToolButton* button;
        QString question, failure;
    };
    const Case cases[] = {
        {0, window->BtnOutHos, DischargeQuestion, "病人出院失败，请重试!"},
        {1, window->BtnOutHosReturn, UndoQuestion, "病人出院回退失败，请重试!"},
    };
    for (const Case& c : cases) {
        ShowStatus(c.status);
        const QStringList listed = Listed();
        ASSERT_FALSE(listed.isEmpty());
        ASSERT_TRUE(db().Exec(QStringLiteral("alter table tblInPatientInfo rename to tblAside")));
        MessageBox::SetNextAnswers({true});
        c.button->click();
        ASSERT_TRUE(db().Exec(QStringLiteral("alter table tblAside rename to tblInPatientInfo")));
        EXPECT_EQ(MessageBox::ShownTexts(), QStringList({c.question, c.failure}));
        EXPECT_EQ(Listed(), listed);
    }
}

TEST_P(LifecycleTest, DeletionBacksUpWithTheMarkerThenRemovesPatientAndChart)
{
    AddChartRow(QStringLiteral("ID1002"));
    AddChartRow(QStringLiteral("ID1001"));
    ShowStatus(0);
    Select(QStringLiteral("1002"));
    MessageBox::SetNextAnswers({true});
    window->BtnCalcPrice->click();

    EXPECT_EQ(MessageBox::ShownTexts(), QStringList{DeleteQuestion});
    EXPECT_EQ(Listed(), QStringList{"1001"});
    EXPECT_TRUE(Patient(QStringLiteral("1002")).empty());
    EXPECT_EQ(ChartRows(QStringLiteral("ID1002")), 0);
    EXPECT_EQ(ChartRows(QStringLiteral("ID1001")), 1);
    if (GetParam() != Engine::SQLite) {
        EXPECT_TRUE(Backups().isEmpty()); // no local file to copy: silent
        return;
    }
    const QStringList backups = Backups();
    ASSERT_EQ(backups.size(), 1);
    EXPECT_TRUE(QRegularExpression(QStringLiteral("^QMDB\\d{14}\\[删除备份\\]\\.bak$"))
                    .match(backups[0])
                    .hasMatch())
        << backups[0].toStdString();
    ConnectionSettings copy;
    copy.file = fresh.dir() + QStringLiteral("/DBBak/") + backups[0];
    Database backup;
    ASSERT_TRUE(backup.Open(copy));
    Rows rows;
    ASSERT_TRUE(backup.Select(
        QStringLiteral("select Name from tblInPatientInfo where ContentID='ID1002'"), rows));
    EXPECT_EQ(rows.size(), 1u); // taken before the deletion
}

TEST_P(LifecycleTest, DeletingAPatientWithoutChartSucceeds)
{
    ShowStatus(0);
    Select(QStringLiteral("1001"));
    MessageBox::SetNextAnswers({true});
    window->BtnCalcPrice->click();
    EXPECT_EQ(MessageBox::ShownTexts(), QStringList{DeleteQuestion});
    EXPECT_TRUE(Patient(QStringLiteral("1001")).empty());
}

TEST_P(LifecycleTest, AFailedChartDeletionKeepsThePatient)
{
    ShowStatus(0);
    Select(QStringLiteral("1001"));
    ASSERT_TRUE(db().Exec(QStringLiteral("drop table tblFebriloInfo")));
    MessageBox::SetNextAnswers({true});
    window->BtnCalcPrice->click();
    EXPECT_EQ(MessageBox::ShownTexts(), QStringList({DeleteQuestion, "删除病人失败，请重试!"}));
    EXPECT_EQ(Patient(QStringLiteral("1001")).size(), 1u);
    EXPECT_EQ(Listed(), QStringList({"1001", "1002"}));
}

INSTANTIATE_TEST_SUITE_P(Engines, LifecycleTest, test::AllEngines(), test::EngineName);

} // namespace
} // namespace kelvaro
