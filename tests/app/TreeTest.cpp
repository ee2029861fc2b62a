#include "TreeFixture.h"

#include "chart/PatientTreeData.h"

#include <QAction>
#include <QTest>
#include <QToolButton>

namespace kelvaro
{
namespace
{

const QDateTime March7(QDate(2015, 3, 7), QTime(8, 5, 9));
const QDateTime February1(QDate(2015, 2, 1), QTime(9, 0));
const QDateTime April2(QDate(2015, 4, 2), QTime(9, 0));

// The tree as indented lines: one blank of indent per level, "+" when expanded.
QStringList Shape(const QTreeWidgetItem* node, int level = 0)
{
    QStringList lines;
    for (int i = 0; i < node->childCount(); ++i) {
        const QTreeWidgetItem* child = node->child(i);
        lines << QString(level, QLatin1Char(' ')) + child->text(0) +
                     (child->childCount() && child->isExpanded() ? QStringLiteral("+") : QString());
        lines << Shape(child, level + 1);
    }
    return lines;
}

TEST(PatientTreeStatement, ReadsInHospitalByAdmissionAndDischargedByDischargeDate)
{
    const Dialect server = DialectForKind(QStringLiteral("SQLServer"));
    const QDate from(2015, 3, 1), to(2015, 3, 31);
    EXPECT_EQ(PatientTreeStatement(server, from, to, 1),
              QStringLiteral("select ContentID,SerialNumber,Name,InHospitalSection from "
                             "ViewInPatientInfo where InHospitalDate between  '2015-03-01 "
                             "00:00:00' and '2015-03-31 23:59:59' and CurrentStatus=1"));
    EXPECT_EQ(PatientTreeStatement(DialectForKind(QStringLiteral("Access")), from, to, 2),
              QStringLiteral("select ContentID,SerialNumber,Name,InHospitalSection from "
                             "tblInPatientInfo where OutHospitalDate between #2015-03-01 "
                             "00::00::00# and #2015-03-31 23::59::59# and CurrentStatus=2"));
}

using PatientTree = test::TreeFixture;

TEST_P(PatientTree, SectionsUnderBothRootsWithTheirPatientsOfThePeriod)
{
    AddSections({QStringLiteral("内科"), QStringLiteral("外科"), QStringLiteral("儿科")});
    AddPatient("A1", "王一", "内科", March7);
    AddPatient("A2", "O'Neil", "外科", February1, 2, March7); // discharged in the period
    AddPatient("A3", "李三", "内科", February1);              // admitted before it
    AddPatient("A4", "赵四", "已撤科室", March7);             // his section is gone
    AddPatient("A5", "钱五", "内科", March7.addDays(1));
    AddPatient("A6", "孙六", "内科", March7, 2, April2); // discharged after it
    AddPatient("A7", "周七", "内科 ", March7);           // not quite the section's name
    QTest::mouseClick(window->BtnRefreshTree, Qt::LeftButton);

    EXPECT_EQ(Shape(window->PatientTreeView->invisibleRootItem()),
              QStringList({"在院病人+", " 内科+", "  王一[A1]", "  钱五[A5]", " 外科", " 儿科",
                           "出院病人+", " 内科", " 外科+", "  O'Neil[A2]", " 儿科"}));
    QStringList loaded;
    for (const PatientInfo& patient : window->TreePatients)
        loaded << patient.SerialNumber + ":" + patient.InHospitalSection + ":" +
                      QString::number(patient.Status);
    loaded.sort();
    EXPECT_EQ(loaded,
              QStringList({"A1:内科:1", "A2:外科:2", "A4:已撤科室:1", "A5:内科:1", "A7:内科 :1"}));

    Select({"出院病人", "外科", "O'Neil[A2]"});
    const PatientInfo* leaf = window->SelectedPatient();
    ASSERT_NE(leaf, nullptr);
    EXPECT_EQ(leaf->ContentID, "IDA2");
    EXPECT_EQ(leaf->Name, "O'Neil");
    EXPECT_EQ(leaf->Status, 2);
    for (const QStringList& branch : {QStringList{"出院病人"}, QStringList{"在院病人", "内科"}}) {
        Select(branch);
        EXPECT_EQ(window->SelectedPatient(), nullptr) << branch.join('/').toStdString();
    }
}

TEST_P(PatientTree, WithoutSectionsOnlyTheRootsAndSameNamedSectionsShareTheirPatients)
{
    AddPatient("A1", "王一", "内科", March7);
    QTest::mouseClick(window->BtnRefreshTree, Qt::LeftButton);
    EXPECT_EQ(Shape(window->PatientTreeView->invisibleRootItem()),
              QStringList({"在院病人", "出院病人"}));

    AddSections({QStringLiteral("内科"), QStringLiteral("内科")});
    QTest::mouseClick(window->BtnRefreshTree, Qt::LeftButton);
    EXPECT_EQ(Shape(window->PatientTreeView->invisibleRootItem()),
              QStringList({"在院病人+", " 内科+", "  王一[A1]", " 内科+", "  王一[A1]", "出院病人+",
                           " 内科", " 内科"}));
}

TEST_P(PatientTree, EitherDateOfThePeriodRebuildsTheTreeAndOnlyThen)
{
    AddSections({QStringLiteral("内科")});
    AddPatient("A1", "王一", "内科", March7);
    window->DTBegin2->setDate(QDate(2015, 3, 10));
    EXPECT_EQ(Node({"在院病人", "内科", "王一[A1]"}), nullptr);
    window->DTBegin2->setDate(QDate(2015, 3, 1));
    ASSERT_NE(Node({"在院病人", "内科", "王一[A1]"}), nullptr);

    // A discharge shows only after the next rebuild.
    ASSERT_TRUE(db().Exec("update tblInPatientInfo set CurrentStatus=2, OutHospitalDate=" +
                          DateTimeLiteral(DialectForKind(fresh.kind()), March7.addDays(2))));
    Select({"在院病人", "内科", "王一[A1]"});
    EXPECT_EQ(window->SelectedPatient()->Status, 1);
    window->DTEnd2->setDate(QDate(2015, 3, 30));
    EXPECT_NE(Node({"出院病人", "内科", "王一[A1]"}), nullptr);
    EXPECT_EQ(Node({"在院病人", "内科", "王一[A1]"}), nullptr);
}

// A right-click selects the node under the pointer, so that the menu acts on
// it; the menu's chart items open only on a patient (import and export are
// the administrator's), and a click on empty space leaves the selection.
TEST_P(PatientTree, RightClickSelectsTheNodeAndOpensTheMenuOnlyOnPatients)
{
    AddSections({QStringLiteral("内科")});
    AddPatient("A1", "王一", "内科", March7);
    QTest::mouseClick(window->BtnRefreshTree, Qt::LeftButton);
    const struct {
        QStringList node;
        bool menu;
    } cases[] = {
        {{"在院病人"}, false},
        {{"在院病人", "内科", "王一[A1]"}, true},
        {{"出院病人", "内科"}, false},
        {{"在院病人", "内科", "王一[A1]"}, true},
    };
    for (const auto& [path, menu] : cases) {
        SCOPED_TRACE(path.join('/').toStdString());
        RightClickNode(Node(path));
        EXPECT_EQ(window->PatientTreeView->currentItem(), Node(path));
        EXPECT_EQ(window->AdvPopupMenu3->isVisible(), menu);
        if (menu) {
            EXPECT_TRUE(window->N8->isVisible());
            EXPECT_FALSE(window->N12->isVisible());
            EXPECT_FALSE(window->N13->isVisible());
            QTest::keyClick(window->AdvPopupMenu3, Qt::Key_Escape);
        }
    }
    QWidget* viewport = window->PatientTreeView->viewport();
    const QPoint belowTheNodes(10, viewport->height() - 5);
    QTest::mouseClick(window->windowHandle(), Qt::RightButton, {},
                      viewport->mapTo(window.get(), belowTheNodes));
    EXPECT_EQ(window->PatientTreeView->currentItem(), Node({"在院病人", "内科", "王一[A1]"}));
}

INSTANTIATE_TEST_SUITE_P(Engines, PatientTree, test::AllEngines(), test::EngineName);

} // namespace
} // namespace kelvaro
