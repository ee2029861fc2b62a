#pragma once
#include <QDialog>
#include <QPixmap>
#include <QPoint>

class QLineEdit;
class QPushButton;

namespace kelvaro
{

// A borderless dialog of a fixed size whose whole surface is a picture,
// stretched over it on every repaint. Without a title bar to hold, the left
// mouse button on the surface drags the window.
class PictureDialog : public QDialog
{
public:
    PictureDialog(const QString& picture, QSize size, QWidget* parent);

protected:
    // The controls sit at fixed places on the picture.
    enum class Echo { Plain, Stars };
    QLineEdit* AddEdit(const char* name, const QRect& where, Echo echo = Echo::Plain);
    QPushButton* AddButton(const char* name, const QString& caption, const QRect& where);
    void AddCaption(const QString& text, const QRect& where);

    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    QPixmap picture_;
    QPoint dragOffset_;
};

} // namespace kelvaro
