#include "app/PictureDialog.h"

#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>

// The pictures live in a static library, whose resources must be registered
// by hand; this cannot be done inside a namespace.
static void RegisterPictures()
{
    Q_INIT_RESOURCE(login);
}

namespace kelvaro
{

PictureDialog::PictureDialog(const QString& picture, QSize size, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint)
{
    RegisterPictures();
    picture_.load(picture);
    setFixedSize(size);
}

QLineEdit* PictureDialog::AddEdit(const char* name, const QRect& where, Echo echo)
{
    auto* edit = new QLineEdit(this);
    edit->setObjectName(name);
    edit->setGeometry(where);
    if (echo == Echo::Stars) {
        edit->setEchoMode(QLineEdit::Password);
        edit->setStyleSheet(QStringLiteral("lineedit-password-character: 42"));
    }
    return edit;
}

QPushButton* PictureDialog::AddButton(const char* name, const QString& caption, const QRect& where)
{
    auto* button = new QPushButton(caption, this);
    button->setObjectName(name);
    button->setAutoDefault(false); // Enter belongs to the fields' chain
    button->setGeometry(where);
    return button;
}

void PictureDialog::AddCaption(const QString& text, const QRect& where)
{
    auto* label = new QLabel(text, this);
    label->setGeometry(where);
}

void PictureDialog::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.drawPixmap(rect(), picture_);
}

void PictureDialog::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        dragOffset_ = event->globalPosition().toPoint() - frameGeometry().topLeft();
    QDialog::mousePressEvent(event);
}

void PictureDialog::mouseMoveEvent(QMouseEvent* event)
{
    if (event->buttons() & Qt::LeftButton)
        move(event->globalPosition().toPoint() - dragOffset_);
    QDialog::mouseMoveEvent(event);
}

} // namespace kelvaro
