#include "StartupFixture.h"

#include "app/DemoData.h"
#include "db/Dialect.h"

#include <QAction>
#include <QComboBox>
#include <QDateEdit>
#include <QLabel>
#include <QMenu>
#include <QStyleOptionComboBox>
#include <QTabWidget>
#include <QToolButton>
#include <QTreeWidget>
#include <QWindow>

namespace kelvaro
{
namespace
{

// A nurse's ward after start-up: the demo patients, logged in through the
// login window, the chart page in front. Everything below is done with the
// mouse and the keyboard on the real widgets.
class ClickedWindow : public test::StartupFixture
{
protected:
    void StartOnChartPage(const QString& code, const QString& password)
    {
        QString error;
        ASSERT_TRUE(
            AddDemoData(db, DialectForKind(fresh.kind()), QDateTime::currentDateTime(), &error))
            << error.toStdString();
        Start(code, password);
        ASSERT_TRUE(Ready());
        QApplication::setActiveWindow(window.get());
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
        window->Pager->setCurrentIndex(1);
        MessageBox::ClearShown();
    }

    QTreeWidget* Tree() const { return window->PatientTreeView; }

    // The first node at `depth` under the root named `root`: 1 a ward, 2 a patient.
    QTreeWidgetItem* FirstNode(const QString& root, int depth) const
    {
        for (int i = 0; i < Tree()->topLevelItemCount(); ++i) {
            QTreeWidgetItem* node = Tree()->topLevelItem(i);
            if (node->text(0) != root)
                continue;
            for (int level = 0; level < depth && node; ++level) {
                QTreeWidgetItem* next = nullptr;
                for (int j = 0; j < node->childCount() && !next; ++j)
                    if (depth - level == 1 || node->child(j)->childCount())
                        next = node->child(j);
                node = next;
            }
            return node;
        }
        return nullptr;
    }

    bool MenuOpen() const { return window->AdvPopupMenu3->isVisible(); }

    void CloseMenu()
    {
        if (MenuOpen())
            QTest::keyClick(window->AdvPopupMenu3, Qt::Key_Escape);
    }

    void ClickMenuItem(QAction* item)
    {
        QMenu* menu = window->AdvPopupMenu3;
        QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(item).center());
    }
};

TEST_P(ClickedWindow, TheTreeMenuOpensOnEveryPatientWhateverWasClickedBefore)
{
    StartOnChartPage(QStringLiteral("admin"), QStringLiteral("admin"));
    QTreeWidgetItem* patient = FirstNode(QStringLiteral("在院病人"), 2);
    QTreeWidgetItem* ward = FirstNode(QStringLiteral("在院病人"), 1);
    QTreeWidgetItem* root = Tree()->topLevelItem(0);
    ASSERT_TRUE(patient && ward && root);

    const struct {
        QTreeWidgetItem* node;
        bool menu;
    } clicks[] = {{patient, true}, {ward, false}, {patient, true},
                  {root, false},   {ward, false}, {patient, true}};
    int step = 0;
    for (const auto& [node, menu] : clicks) {
        SCOPED_TRACE(std::to_string(++step) + ": " + node->text(0).toStdString());
        RightClickNode(node);
        EXPECT_EQ(Tree()->currentItem(), node);
        EXPECT_EQ(MenuOpen(), menu);
        if (menu) {
            EXPECT_TRUE(window->N8->isVisible());
            EXPECT_TRUE(window->N12->isVisible());
            EXPECT_TRUE(window->N13->isVisible());
        }
        CloseMenu();
    }
}

// Enter on either confirmation of the clearing keeps the chart: No is the default of both.
TEST_P(ClickedWindow, ClearingFromTheTreeMenuAsksTwiceWithNoAsTheDefault)
{
    StartOnChartPage(QStringLiteral("nurse1"), QStringLiteral("123456"));
    QTreeWidgetItem* patient = FirstNode(QStringLiteral("在院病人"), 2);
    ASSERT_NE(patient, nullptr);
    RightClickNode(patient);
    ASSERT_TRUE(MenuOpen());
    EXPECT_FALSE(window->N12->isVisible()); // import and export are the administrator's
    MessageBox::SetNextAnswers({true, false});
    ClickMenuItem(window->N8);
    EXPECT_FALSE(MenuOpen());
    const auto& boxes = MessageBox::ShownBoxes();
    ASSERT_EQ(boxes.size(), 2u);
    for (const MessageBox::Shown& box : boxes) {
        EXPECT_EQ(box.kind, MessageBox::Kind::Question);
        EXPECT_EQ(box.byDefault, MessageBox::Default::No) << box.text.toStdString();
    }
}

// A double-click opens the patient's chart; the entry dialog stores what is
// typed into it when 保存 is clicked, and the chart shows it.
TEST_P(ClickedWindow, DoubleClickOpensTheChartAndTheEntryDialogStoresWhatIsTyped)
{
    StartOnChartPage(QStringLiteral("nurse1"), QStringLiteral("123456"));
    QTreeWidgetItem* patient = FirstNode(QStringLiteral("在院病人"), 2);
    ASSERT_NE(patient, nullptr);
    DoubleClickNode(patient);
    ASSERT_FALSE(window->ChartData->PatientID.isEmpty());
    EXPECT_TRUE(patient->text(0).contains(window->ChartData->SerialNumber));

    QString typedOn;
    screen.onModal = [&typedOn](QDialog& dialog) {
        dialog.show();
        auto* field = dialog.findChild<QLineEdit*>(QStringLiteral("TxtYB1"));
        auto* save = dialog.findChild<QPushButton*>(QStringLiteral("BtnSave"));
        auto* date = dialog.findChild<QDateEdit*>(QStringLiteral("DTDate"));
        if (!field || !save || !date)
            return int(QDialog::Rejected);
        typedOn = date->date().toString(QStringLiteral("yyyy-MM-dd"));
        field->selectAll();
        QTest::keyClicks(field, QStringLiteral("39.7"));
        QTest::mouseClick(save, Qt::LeftButton);
        return int(QDialog::Rejected);
    };
    QTest::mouseClick(window->BtnInputData, Qt::LeftButton);
    EXPECT_TRUE(screen.modalDialogs.contains(QStringLiteral("F_EditData")));
    ASSERT_TRUE(window->ChartData->Days.count(typedOn)) << typedOn.toStdString();
    EXPECT_EQ(window->ChartData->Days.at(typedOn).YB[0], QStringLiteral("39.7"));
}

// The admission number tells two patients of one name apart: the tree shows
// it whole, and so do the section filter and the filter row.
TEST_P(ClickedWindow, TreeLeavesAndSectionNamesAreShownWhole)
{
    StartOnChartPage(QStringLiteral("admin"), QStringLiteral("admin"));
    QTreeWidgetItem* patient = FirstNode(QStringLiteral("在院病人"), 2);
    ASSERT_NE(patient, nullptr);
    EXPECT_LE(static_cast<QAbstractItemView*>(Tree())->sizeHintForColumn(0),
              Tree()->columnWidth(0));
    const QString tip = patient->toolTip(0);
    EXPECT_TRUE(tip.contains(patient->text(0).section(QLatin1Char('['), 0, 0)));
    EXPECT_TRUE(tip.contains(patient->parent()->text(0)));

    window->Pager->setCurrentIndex(0);
    QComboBox* sections = window->CBoxSectionList;
    QStyleOptionComboBox option;
    option.initFrom(sections);
    const QRect field = sections->style()->subControlRect(QStyle::CC_ComboBox, &option,
                                                          QStyle::SC_ComboBoxEditField, sections);
    EXPECT_GE(field.width(),
              sections->fontMetrics().horizontalAdvance(QStringLiteral("重症监护病区")));

    // Choosing 出院 renames the date label; the pickers stay where they were.
    const int pickerAt = window->DTBegin->x();
    window->CBoxStatus->setFocus();
    QTest::keyClick(window->CBoxStatus, Qt::Key_Down);
    ASSERT_EQ(window->CBoxStatus->currentText(), QStringLiteral("出院"));
    EXPECT_EQ(window->LbType->text(), QStringLiteral("出院日期"));
    QApplication::processEvents();
    EXPECT_EQ(window->DTBegin->x(), pickerAt);
}

INSTANTIATE_TEST_SUITE_P(Local, ClickedWindow, testing::Values(Engine::SQLite), test::EngineName);

} // namespace
} // namespace kelvaro
