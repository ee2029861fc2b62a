#include "common/ui/FieldFocus.h"

#include <QEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <algorithm>

namespace kelvaro
{

namespace
{

bool IsEnter(const QEvent* event)
{
    if (event->type() != QEvent::KeyPress)
        return false;
    const int key = static_cast<const QKeyEvent*>(event)->key();
    return key == Qt::Key_Return || key == Qt::Key_Enter;
}

// Selecting right away would be undone by the mouse press that gave the focus.
class SelectOnFocus : public QObject
{
public:
    explicit SelectOnFocus(QLineEdit* edit) : QObject(edit) { edit->installEventFilter(this); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::FocusIn)
            QMetaObject::invokeMethod(static_cast<QLineEdit*>(watched), &QLineEdit::selectAll,
                                      Qt::QueuedConnection);
        return false;
    }
};

} // namespace

EnterChain::EnterChain(std::vector<QWidget*> fields, std::function<void()> atEnd)
    : QObject(fields.front()), fields_(std::move(fields)), atEnd_(std::move(atEnd))
{
    for (QWidget* field : fields_) {
        field->installEventFilter(this);
        // Keys reach a compound field (a date picker) through its inner editor.
        if (field->focusProxy())
            field->focusProxy()->installEventFilter(this);
    }
}

bool EnterChain::eventFilter(QObject* watched, QEvent* event)
{
    if (!IsEnter(event))
        return false;
    const auto field = std::find_if(fields_.begin(), fields_.end(), [watched](QWidget* f) {
        return f == watched || f->focusProxy() == watched;
    });
    if (field == fields_.end())
        return false;
    if (std::next(field) != fields_.end())
        (*std::next(field))->setFocus(Qt::OtherFocusReason);
    else if (atEnd_)
        atEnd_();
    return true;
}

void SelectTextOnFocus(QLineEdit* edit)
{
    new SelectOnFocus(edit);
}

} // namespace kelvaro
