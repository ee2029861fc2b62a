#pragma once
#include "PatientListFixture.h"

#include <QAction>
#include <QMenu>
#include <QTabWidget>
#include <QTreeWidget>

namespace kelvaro::test
{

// The main window of the patient-list cases on its chart page, with the
// tree's period set to March 2015, quietly.
class TreeFixture : public PatientListFixture
{
protected:
    void SetUp() override
    {
        PatientListFixture::SetUp();
        if (IsSkipped() || HasFatalFailure())
            return;
        SetTreePeriod(QDate(2015, 3, 1), QDate(2015, 3, 31));
        window->Pager->setCurrentIndex(1); // the chart page, where the tree is
    }

    void SetTreePeriod(const QDate& begin, const QDate& end)
    {
        const QSignalBlocker quietBegin(window->DTBegin2), quietEnd(window->DTEnd2);
        window->DTBegin2->setDate(begin);
        window->DTEnd2->setDate(end);
    }

    // The tree's node at the path of node texts, or nullptr.
    QTreeWidgetItem* Node(const QStringList& path) const
    {
        QTreeWidgetItem* node = window->PatientTreeView->invisibleRootItem();
        for (const QString& text : path) {
            QTreeWidgetItem* found = nullptr;
            for (int i = 0; i < node->childCount() && !found; ++i)
                if (node->child(i)->text(0) == text)
                    found = node->child(i);
            if (!found)
                return nullptr;
            node = found;
        }
        return node;
    }

    // Right-clicks the node and clicks `item` in the menu that opens.
    void ChooseFromTreeMenu(const QStringList& path, QAction* item)
    {
        QTreeWidgetItem* node = Node(path);
        ASSERT_NE(node, nullptr) << path.join('/').toStdString();
        RightClickNode(node);
        QMenu* menu = window->AdvPopupMenu3;
        ASSERT_TRUE(menu->isVisible()) << path.join('/').toStdString();
        QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(item).center());
    }

    void Select(const QStringList& path)
    {
        QTreeWidgetItem* node = Node(path);
        ASSERT_NE(node, nullptr) << path.join('/').toStdString();
        window->PatientTreeView->setCurrentItem(node);
    }
};

} // namespace kelvaro::test
