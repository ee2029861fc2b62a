#pragma once
#include <QBoxLayout>
#include <QIcon>
#include <QString>
#include <QStyle>

class QAction;
class QDateEdit;
class QLabel;
class QMenu;
class QToolButton;
class QWidget;

namespace kelvaro::main_controls
{

// Small builders for the controls of the main window; each control gets its
// name as objectName so that code and tests find it by that name.

template <typename Control> Control* Named(QWidget* parent, const char* name)
{
    auto* control = new Control(parent);
    control->setObjectName(QString::fromLatin1(name));
    return control;
}

// A tool bar at the top of `column`; the returned row takes its buttons.
QHBoxLayout* AddToolStrip(QWidget* page, QBoxLayout* column, const char* name);
QIcon StandardIcon(QStyle::StandardPixmap icon);
QToolButton* AddToolButton(QHBoxLayout* row, const char* name, const QString& caption,
                           const QIcon& icon);
QToolButton* AddMenuButton(QHBoxLayout* row, const char* name, const QString& caption,
                           const QIcon& icon, QMenu* menu);
void AddSeparator(QHBoxLayout* row);

// A caption whose buddy is `control`, then the control, at the end of `row`.
QLabel* AddLabel(QBoxLayout* row, const QString& caption, QWidget* buddy);
template <typename Control>
Control* AddLabelled(QBoxLayout* row, const QString& caption, Control* control)
{
    AddLabel(row, caption, control);
    row->addWidget(control);
    return control;
}

// A date picker showing yyyy-MM-dd, set to today until start-up sets it.
QDateEdit* NewDatePicker(QWidget* parent, const char* name);

QAction* AddItem(QMenu* menu, const char* name, const QString& caption);
QAction* AddSeparator(QMenu* menu, const char* name);

} // namespace kelvaro::main_controls
