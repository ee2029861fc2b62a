#include "PatientListFixture.h"

#include "db/PatientListQuery.h"

#include <QFile>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QStyledItemDelegate>
#include <QTemporaryDir>
#include <QToolButton>

namespace kelvaro
{
namespace
{

const QDateTime March7(QDate(2015, 3, 7), QTime(8, 5, 9));
const QString InHospital = QStringLiteral("在院");
const QString Discharged = QStringLiteral("出院");
const QString All = QStringLiteral("全部");

PatientListFilter MarchFilter()
{
    return {{}, {}, All, InHospital, QDate(2015, 3, 1), QDate(2015, 3, 31)};
}

TEST(PatientListStatement, FiltersAreAppendedInTheirOrderWithTypedTextsQuoted)
{
    const Dialect server = DialectForKind(QStringLiteral("SQLServer"));
    const Dialect local = DialectForKind(QStringLiteral("Access"));
    const QString period = QStringLiteral("'2015-03-01 00:00:00' and '2015-03-31 23:59:59'");
    const QString admitted = " and InHospitalDate between  " + period + " and CurrentStatus=1";
    const QString select = QStringLiteral("select * from ViewInPatientInfo where 1=1");

    struct Case {
        PatientListFilter filter;
        Dialect dialect;
        QString statement;
    };
    PatientListFilter named = MarchFilter();
    named.Name = QStringLiteral("O'Brien");
    named.SerialNumber = QStringLiteral("12%");
    named.Section = QStringLiteral("内科");
    PatientListFilter out = MarchFilter();
    out.Status = Discharged;
    const Case cases[] = {
        {MarchFilter(), server, select + admitted},
        {MarchFilter(), local,
         "select * from tblInPatientInfo where 1=1 and InHospitalDate between  #2015-03-01 "
         "00::00::00# and #2015-03-31 23::59::59# and CurrentStatus=1"},
        {named, server,
         select + " and Name='O''Brien' and SerialNumber like '12%' and InHospitalSection='内科'" +
             admitted},
        {out, server, select + " and OutHospitalDate between " + period + " and CurrentStatus=2"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(PatientListStatement(c.filter, c.dialect), c.statement);
}

using PatientListTest = test::PatientListFixture;

TEST_P(PatientListTest, TheExampleStatementReachesTheDatabaseAsWritten)
{
    QTemporaryDir dir;
    const QString trace = dir.filePath(QStringLiteral("trace.sql"));
    qputenv("KELVARO_SQL_TRACE", trace.toLocal8Bit());
    AddSections({All});
    ChooseSection(All);
    window->RefreshPatientList();
    qunsetenv("KELVARO_SQL_TRACE");

    QFile file(trace);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QStringList lines = QString::fromUtf8(file.readAll()).split(u'\n', Qt::SkipEmptyParts);
    ASSERT_FALSE(lines.isEmpty());
    EXPECT_EQ(lines.back(),
              GetParam() == Engine::SQLite
                  ? QStringLiteral("select * from tblInPatientInfo where 1=1 and InHospitalDate "
                                   "between  #2015-03-01 00:00:00# and #2015-03-31 23:59:59# and "
                                   "CurrentStatus=1")
                  : QStringLiteral("select * from ViewInPatientInfo where 1=1 and InHospitalDate "
                                   "between  '2015-03-01 00:00:00' and '2015-03-31 23:59:59' and "
                                   "CurrentStatus=1"));
    EXPECT_TRUE(MessageBox::ShownTexts().isEmpty());
}

TEST_P(PatientListTest, ShowsItsColumnsInOrderWithTheirWidthsAndHidesTheKey)
{
    AddSections({All});
    AddPatient(QStringLiteral("1001"), QStringLiteral("张三"), QStringLiteral("内科"), March7);
    ChooseSection(All);
    window->RefreshPatientList();

    const QTableView& view = *window->PatientList;
    const QHeaderView& header = *view.horizontalHeader();
    QStringList titles;
    QList<int> widths;
    for (int visual = 0; visual < header.count(); ++visual) {
        const int column = header.logicalIndex(visual);
        if (view.isColumnHidden(column))
            continue;
        titles << view.model()->headerData(column, Qt::Horizontal).toString();
        widths << view.columnWidth(column);
    }
    EXPECT_EQ(titles, QStringList({"住院号", "姓名", "性别", "年龄", "科室", "床号", "入院日期",
                                   "出院日期"}));
    EXPECT_EQ(widths, QList<int>({120, 80, 60, 60, 130, 100, 140, 140}));
    const QModelIndex admitted = view.model()->index(0, header.logicalIndex(6));
    EXPECT_EQ(qobject_cast<QStyledItemDelegate*>(view.itemDelegate())
                  ->displayText(admitted.data(), QLocale()),
              QStringLiteral("2015-03-07 08:05:09"));
    EXPECT_EQ(view.currentIndex().row(), 0);
}

TEST_P(PatientListTest, FiltersNarrowTheList)
{
    AddSections({QStringLiteral("内科"), All, QStringLiteral("外科")});
    const QDateTime april(QDate(2015, 4, 2), QTime(9, 0));
    AddPatient(QStringLiteral("123"), QStringLiteral("张三"), QStringLiteral("内科"), March7);
    AddPatient(QStringLiteral("1234"), QStringLiteral("O'Brien"), QStringLiteral("外科"), March7);
    AddPatient(QStringLiteral("125"), QStringLiteral("赵六"), QStringLiteral("内科"), april);
    AddPatient(QStringLiteral("128"), QStringLiteral("张三丰"), QStringLiteral("外科"), March7);
    AddPatient(QStringLiteral("126"), QStringLiteral("李四"), QStringLiteral("内科"), March7, 2,
               april);
    AddPatient(QStringLiteral("127"), QStringLiteral("王五"), QStringLiteral("外科"), March7, 2,
               QDateTime(QDate(2015, 3, 31), QTime(23, 59, 59)));

    struct Case {
        const char* name;
        const char* serialNumber;
        QString section;
        QString status;
        QDate begin, end;
        QStringList listed;
    };
    const QDate first(2015, 3, 1), last(2015, 3, 31);
    const Case cases[] = {
        {"", "", All, InHospital, first, last, {"123", "1234", "128"}},
        {"", "", QStringLiteral("内科"), InHospital, first, last, {"123"}},
        {"张三", "", All, InHospital, first, last, {"123"}},
        {"O'Brien", "", All, InHospital, first, last, {"1234"}},
        {"", "123", All, InHospital, first, last, {"123"}},
        {"", "123%", All, InHospital, first, last, {"123", "1234"}},
        {"", "", All, InHospital, first.addMonths(1), last.addMonths(1), {"125"}},
        {"", "", All, Discharged, first, last, {"127"}},
        {"", "", All, Discharged, QDate(2015, 4, 2), QDate(2015, 4, 2), {"126"}},
        {"", "", All, InHospital, last, first, {}},
    };
    for (const Case& c : cases) {
        window->TxtName->setText(QString::fromUtf8(c.name));
        window->TxtSN->setText(QString::fromUtf8(c.serialNumber));
        ChooseSection(c.section);
        window->CBoxStatus->setCurrentText(c.status);
        SetPeriod(c.begin, c.end);
        window->RefreshPatientList();
        QStringList listed = Listed();
        listed.sort();
        EXPECT_EQ(listed, c.listed)
            << c.name << '|' << c.serialNumber << '|' << c.section.toStdString() << '|'
            << c.status.toStdString() << '|' << c.begin.toString().toStdString();
    }
    EXPECT_TRUE(MessageBox::ShownTexts().isEmpty());
}

TEST_P(PatientListTest, StatusSwitchesTheDateLabelAndTheDischargeButtons)
{
    AddSections({All});
    AddPatient(QStringLiteral("1001"), QStringLiteral("张三"), All, March7, 2, March7.addDays(3));
    ChooseSection(All);
    struct Step {
        int index;
        const char* label;
        bool discharge, undo;
        QStringList listed;
    };
    const Step steps[] = {
        {1, "出院日期", false, true, {"1001"}},
        {0, "入院日期", true, false, {}},
    };
    for (const Step& step : steps) {
        window->CBoxStatus->setCurrentIndex(step.index);
        Q_EMIT window->CBoxStatus->activated(step.index);
        EXPECT_EQ(window->LbType->text(), QString::fromUtf8(step.label));
        EXPECT_EQ(window->BtnOutHos->isEnabled(), step.discharge);
        EXPECT_EQ(window->BtnOutHosReturn->isEnabled(), step.undo);
        EXPECT_EQ(Listed(), step.listed);
    }
}

TEST_P(PatientListTest, SectionFilterListsSectionsInTheirOrderAndTheFirstIsChosen)
{
    window->FillSectionFilter();
    EXPECT_EQ(window->CBoxSectionList->count(), 0);
    EXPECT_EQ(window->CBoxSectionList->currentText(), QString());

    AddSections({QStringLiteral("内科"), QStringLiteral("外科"), QStringLiteral("儿科")});
    window->FillSectionFilter();
    QStringList items;
    for (int i = 0; i < window->CBoxSectionList->count(); ++i)
        items << window->CBoxSectionList->itemText(i);
    EXPECT_EQ(items, QStringList({"内科", "外科", "儿科"}));
    EXPECT_EQ(window->CBoxSectionList->currentText(), QStringLiteral("内科"));
    EXPECT_TRUE(MessageBox::ShownTexts().isEmpty());

    ASSERT_TRUE(db().Exec(QStringLiteral("drop table tblSectionInfo")));
    window->FillSectionFilter();
    ASSERT_EQ(MessageBox::ShownTexts().size(), 1);
    EXPECT_TRUE(
        MessageBox::ShownTexts()[0].startsWith(QStringLiteral("访问数据库失败，错误原因：")));
    EXPECT_GT(MessageBox::ShownTexts()[0].size(),
              QStringLiteral("访问数据库失败，错误原因：").size());
    EXPECT_EQ(window->CBoxSectionList->count(), 3);
}

TEST_P(PatientListTest, AFailedRefreshSaysSoAndLeavesTheGridEmpty)
{
    AddSections({All});
    AddPatient(QStringLiteral("1001"), QStringLiteral("张三"), All, March7);
    ChooseSection(All);
    window->RefreshPatientList();
    ASSERT_EQ(Listed(), QStringList{"1001"});

    window->PatientSource = QStringLiteral("NoSuchPatients");
    window->BtnRefreshPatientList->click();
    EXPECT_EQ(MessageBox::ShownTexts(), QStringList{"刷新病人列表失败，请重试!"});
    EXPECT_EQ(Listed(), QStringList());
}

INSTANTIATE_TEST_SUITE_P(Engines, PatientListTest, test::AllEngines(), test::EngineName);

} // namespace
} // namespace kelvaro
