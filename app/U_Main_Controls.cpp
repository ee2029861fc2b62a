#include "app/U_Main_Controls.h"

#include <QApplication>
#include <QBoxLayout>
#include <QDateEdit>
#include <QFrame>
#include <QLabel>
#include <QMenu>
#include <QToolBar>
#include <QToolButton>

namespace kelvaro::main_controls
{

// The buttons sit in one strip inside the tool bar instead of being added to
// it one by one: QToolBar ignores hide() and show() on its own widgets, and
// the administrator's button is hidden and shown like any other control.
QHBoxLayout* AddToolStrip(QWidget* page, QBoxLayout* column, const char* name)
{
    auto* bar = Named<QToolBar>(page, name);
    bar->setMovable(false);
    auto* strip = new QWidget(bar);
    auto* row = new QHBoxLayout(strip);
    row->setContentsMargins(2, 2, 2, 2);
    row->setSpacing(2);
    bar->addWidget(strip);
    column->addWidget(bar);
    return row;
}

QIcon StandardIcon(QStyle::StandardPixmap icon)
{
    return QApplication::style()->standardIcon(icon);
}

QToolButton* AddToolButton(QHBoxLayout* row, const char* name, const QString& caption,
                           const QIcon& icon)
{
    auto* button = Named<QToolButton>(row->parentWidget(), name);
    button->setText(caption);
    button->setIcon(icon);
    button->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    button->setAutoRaise(true);
    row->addWidget(button);
    return button;
}

QToolButton* AddMenuButton(QHBoxLayout* row, const char* name, const QString& caption,
                           const QIcon& icon, QMenu* menu)
{
    QToolButton* button = AddToolButton(row, name, caption, icon);
    button->setMenu(menu);
    button->setPopupMode(QToolButton::InstantPopup);
    return button;
}

void AddSeparator(QHBoxLayout* row)
{
    auto* line = new QFrame(row->parentWidget());
    line->setFrameShape(QFrame::VLine);
    line->setFrameShadow(QFrame::Sunken);
    row->addWidget(line);
}

QLabel* AddLabel(QBoxLayout* row, const QString& caption, QWidget* buddy)
{
    auto* label = new QLabel(caption, row->parentWidget());
    label->setBuddy(buddy);
    row->addWidget(label);
    return label;
}

QDateEdit* NewDatePicker(QWidget* parent, const char* name)
{
    auto* picker = Named<QDateEdit>(parent, name);
    picker->setDisplayFormat(QStringLiteral("yyyy-MM-dd"));
    picker->setCalendarPopup(true);
    picker->setDate(QDate::currentDate());
    return picker;
}

QAction* AddItem(QMenu* menu, const char* name, const QString& caption)
{
    QAction* item = menu->addAction(caption);
    item->setObjectName(QString::fromLatin1(name));
    return item;
}

QAction* AddSeparator(QMenu* menu, const char* name)
{
    QAction* item = menu->addSeparator();
    item->setObjectName(QString::fromLatin1(name));
    return item;
}

} // namespace kelvaro::main_controls
