#include "render/Canvas.h"

#include <QFontDatabase>
#include <QFontMetrics>

namespace kelvaro
{

namespace
{

constexpr int DotsPerMeterAt96Dpi = 3780;

void PrepareBitmap(QImage& bitmap)
{
    if (bitmap.format() != QImage::Format_RGB32)
        bitmap = bitmap.convertToFormat(QImage::Format_RGB32);
    bitmap.setDotsPerMeterX(DotsPerMeterAt96Dpi);
    bitmap.setDotsPerMeterY(DotsPerMeterAt96Dpi);
}

QString FirstInstalled(std::initializer_list<const char16_t*> faces)
{
    for (const char16_t* face : faces) {
        const QString name = QString::fromUtf16(face);
        if (QFontDatabase::hasFamily(name))
            return name;
    }
    return QFontDatabase::systemFont(QFontDatabase::GeneralFont).family();
}

} // namespace

Canvas::Canvas(QImage& bitmap) : bitmap_(bitmap)
{
    PrepareBitmap(bitmap_);
    painter_.begin(&bitmap_);
    painter_.setRenderHint(QPainter::Antialiasing, false);
    painter_.setRenderHint(QPainter::TextAntialiasing, false);
    pen_ = QPen(Qt::black, 1, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin);
    ApplyPen();
    ApplyBrush();
    font_ = QFont(TextFace());
    font_.setStyleStrategy(QFont::NoAntialias);
    font_.setPointSize(8);
    painter_.setFont(font_);
}

QString Canvas::TextFace()
{
    return FirstInstalled({u"WenQuanYi Micro Hei", u"Noto Sans CJK SC", u"AR PL UMing CN"});
}

QString Canvas::TitleFace()
{
    return FirstInstalled({u"宋体", u"SimSun", u"AR PL UMing CN", u"Noto Serif CJK SC"});
}

void Canvas::SetPenColor(const QColor& color)
{
    pen_.setColor(color);
    ApplyPen();
}

void Canvas::SetPenWidth(int width)
{
    pen_.setWidth(width);
    ApplyPen();
}

void Canvas::SetBrushColor(const QColor& color)
{
    brushColor_ = color;
    ApplyBrush();
}

void Canvas::SetBrushStyle(BrushStyle style)
{
    brushStyle_ = style;
    ApplyBrush();
}

void Canvas::SetFontFace(const QString& face)
{
    font_.setFamily(face);
    painter_.setFont(font_);
}

void Canvas::SetFontSize(int points)
{
    font_.setPointSize(points);
    painter_.setFont(font_);
}

void Canvas::SetFontBold(bool bold)
{
    font_.setBold(bold);
    painter_.setFont(font_);
}

int Canvas::AverageCharWidth() const
{
    // The width of a narrow character, taken as the letter x: the page counts a
    // Chinese character as two of these. The font's own average of a Chinese
    // face weighs in its wide characters and would push the header off the page.
    return painter_.fontMetrics().horizontalAdvance(u'x');
}

int Canvas::CellHeight() const
{
    return painter_.fontMetrics().height();
}

void Canvas::MoveTo(int x, int y)
{
    position_ = QPoint(x, y);
}

void Canvas::LineTo(int x, int y)
{
    // The flat cap leaves out the end point, as the page geometry expects.
    painter_.drawLine(position_, QPoint(x, y));
    position_ = QPoint(x, y);
}

void Canvas::Line(int x1, int y1, int x2, int y2)
{
    MoveTo(x1, y1);
    LineTo(x2, y2);
}

void Canvas::Rectangle(int x1, int y1, int x2, int y2)
{
    // QPainter's outline covers one pixel more than the rectangle's size.
    painter_.drawRect(QRect(x1, y1, x2 - x1 - 1, y2 - y1 - 1));
}

void Canvas::Ellipse(int x1, int y1, int x2, int y2)
{
    painter_.drawEllipse(QRect(x1, y1, x2 - x1 - 1, y2 - y1 - 1));
}

void Canvas::TextOut(int x, int y, const QString& text)
{
    const QFontMetrics metrics = painter_.fontMetrics();
    if (brushStyle_ == BrushStyle::Solid)
        painter_.fillRect(QRect(x, y, metrics.horizontalAdvance(text), metrics.height()),
                          brushColor_);
    painter_.setPen(fontColor_);
    painter_.drawText(QPoint(x, y + metrics.ascent()), text);
    painter_.setPen(pen_);
}

QRgb Canvas::Pixel(int x, int y) const
{
    if (!bitmap_.valid(x, y))
        return qRgb(255, 255, 255);
    return bitmap_.pixel(x, y);
}

void Canvas::SetPixel(int x, int y, QRgb color)
{
    if (bitmap_.valid(x, y))
        bitmap_.setPixel(x, y, color);
}

void Canvas::ApplyPen()
{
    painter_.setPen(pen_);
}

void Canvas::ApplyBrush()
{
    if (brushStyle_ == BrushStyle::Clear)
        painter_.setBrush(Qt::NoBrush);
    else
        painter_.setBrush(brushColor_);
}

} // namespace kelvaro
