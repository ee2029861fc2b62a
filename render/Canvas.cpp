#include "render/Canvas.h"

#include <QFontDatabase>
#include <QFontMetrics>

namespace kelvaro
{

namespace
{

constexpr int DotsPerMeterAt96Dpi = 3780;
constexpr qreal PageDpi = 96;

void PrepareBitmap(QImage& bitmap)
{
    if (bitmap.format() != QImage::Format_RGB32)
        bitmap = bitmap.convertToFormat(QImage::Format_RGB32);
    bitmap.setDotsPerMeterX(DotsPerMeterAt96Dpi);
    bitmap.setDotsPerMeterY(DotsPerMeterAt96Dpi);
}

// A 96-dpi surface that fonts are measured on when the canvas paints a device,
// so that a printed page is laid out with the screen's metrics.
QPaintDevice* PageMetricsDevice()
{
    static QImage device = [] {
        QImage image(1, 1, QImage::Format_RGB32);
        PrepareBitmap(image);
        return image;
    }();
    return &device;
}

QString FirstInstalled(std::initializer_list<const char16_t*> faces, const QString& otherwise)
{
    for (const char16_t* face : faces) {
        const QString name = QString::fromUtf16(face);
        if (QFontDatabase::hasFamily(name))
            return name;
    }
    return otherwise;
}

// The face for a character the page's text face draws badly at 8 points (its
// ※ loses the four dots and reads as ×); empty for every other character.
QString MarkFace(QChar c)
{
    static const QString referenceMark = FirstInstalled({u"DejaVu Sans"}, QString());
    return c == u'※' ? referenceMark : QString();
}

// Splits a text into runs of characters drawn with the same face.
template <typename Run> void ForEachFaceRun(const QString& text, Run run)
{
    qsizetype start = 0;
    for (qsizetype i = 1; i <= text.size(); ++i) {
        const QString face = MarkFace(text.at(start));
        if (i == text.size() || MarkFace(text.at(i)) != face) {
            run(text.mid(start, i - start), face);
            start = i;
        }
    }
}

} // namespace

Canvas::Canvas(QImage& bitmap) : bitmap_(&bitmap), painter_(own_)
{
    PrepareBitmap(bitmap);
    painter_.begin(&bitmap);
    painter_.setRenderHint(QPainter::Antialiasing, false);
    painter_.setRenderHint(QPainter::TextAntialiasing, false);
    pen_ = QPen(Qt::black, 1, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin);
    ApplyPen();
    ApplyBrush();
    font_ = QFont(TextFace());
    font_.setStyleStrategy(QFont::NoAntialias);
    font_.setPointSize(8);
    ApplyFont(font_);
}

Canvas::Canvas(QPainter& device, int scale) : painter_(device)
{
    painter_.save();
    painter_.scale(scale, scale);
    painter_.setRenderHint(QPainter::Antialiasing, true);
    painter_.setRenderHint(QPainter::TextAntialiasing, true);
    pen_ = QPen(Qt::black, 1, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin);
    ApplyPen();
    ApplyBrush();
    font_ = QFont(TextFace());
    font_.setStyleStrategy(QFont::NoAntialias); // measured as on screen
    font_.setPointSize(8);
    TakeFont();
}

Canvas::~Canvas()
{
    if (!bitmap_)
        painter_.restore();
}

QString Canvas::TextFace()
{
    static const QString face =
        FirstInstalled({u"WenQuanYi Micro Hei", u"Noto Sans CJK SC", u"AR PL UMing CN"},
                       QFontDatabase::systemFont(QFontDatabase::GeneralFont).family());
    return face;
}

QString Canvas::TitleFace()
{
    static const QString face =
        FirstInstalled({u"宋体", u"SimSun", u"AR PL UMing CN", u"Noto Serif CJK SC"},
                       QFontDatabase::systemFont(QFontDatabase::GeneralFont).family());
    return face;
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
    TakeFont();
}

void Canvas::SetFontSize(int points)
{
    font_.setPointSize(points);
    TakeFont();
}

void Canvas::SetFontBold(bool bold)
{
    font_.setBold(bold);
    TakeFont();
}

int Canvas::AverageCharWidth() const
{
    // The width of a narrow character, taken as the letter x: the page counts a
    // Chinese character as two of these. The font's own average of a Chinese
    // face weighs in its wide characters and would push the header off the page.
    return Metrics().horizontalAdvance(u'x');
}

int Canvas::CellHeight() const
{
    return Metrics().height();
}

void Canvas::MoveTo(int x, int y)
{
    position_ = QPoint(x, y);
}

void Canvas::LineTo(int x, int y)
{
    const QPoint to(x, y);
    if (bitmap_) {
        // The flat cap leaves out the end point, as the page geometry expects.
        painter_.drawLine(position_, to);
    } else {
        // Moved across its own direction only, so that its ends stay in place.
        const bool shiftX = position_.y() != y || position_.x() == x;
        const bool shiftY = position_.x() != x || position_.y() == y;
        painter_.drawLine(StrokePoint(position_, shiftX, shiftY), StrokePoint(to, shiftX, shiftY));
    }
    position_ = to;
}

void Canvas::Line(int x1, int y1, int x2, int y2)
{
    MoveTo(x1, y1);
    LineTo(x2, y2);
}

void Canvas::Rectangle(int x1, int y1, int x2, int y2)
{
    if (!bitmap_) {
        // The outline's outer edge on the rectangle's, as on screen.
        const qreal half = pen_.width() / 2.0;
        painter_.drawRect(QRectF(x1 + half, y1 + half, x2 - x1 - 2 * half, y2 - y1 - 2 * half));
        return;
    }
    // QPainter's outline covers one pixel more than the rectangle's size.
    painter_.drawRect(QRect(x1, y1, x2 - x1 - 1, y2 - y1 - 1));
}

void Canvas::Ellipse(int x1, int y1, int x2, int y2)
{
    if (!bitmap_) {
        const qreal half = pen_.width() / 2.0;
        painter_.drawEllipse(QRectF(x1 + half, y1 + half, x2 - x1 - 2 * half, y2 - y1 - 2 * half));
        return;
    }
    painter_.drawEllipse(QRect(x1, y1, x2 - x1 - 1, y2 - y1 - 1));
}

void Canvas::TextOut(int x, int y, const QString& text)
{
    const QFontMetrics metrics = Metrics();
    if (brushStyle_ == BrushStyle::Solid) {
        int width = 0;
        ForEachFaceRun(
            text, [&](const QString& run, const QString& face) { width += RunWidth(run, face); });
        painter_.fillRect(QRect(x, y, width, metrics.height()), brushColor_);
    }
    painter_.setPen(fontColor_);
    QPointF baseline(x, y + metrics.ascent());
    ForEachFaceRun(text, [&](const QString& run, const QString& face) {
        DrawTextRun(baseline, run, face);
        baseline.rx() += RunWidth(run, face);
    });
    painter_.setPen(pen_);
}

QRgb Canvas::Pixel(int x, int y) const
{
    if (!bitmap_ || !bitmap_->valid(x, y))
        return qRgb(255, 255, 255);
    return bitmap_->pixel(x, y);
}

void Canvas::SetPixel(int x, int y, QRgb color)
{
    if (bitmap_ && bitmap_->valid(x, y))
        bitmap_->setPixel(x, y, color);
}

void Canvas::Stroke(QPointF from, QPointF to, const QColor& color, qreal width)
{
    painter_.setPen(QPen(color, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter_.drawLine(from, to);
    painter_.setPen(pen_);
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

// A device resolves point sizes at its own resolution, which the page's scale
// already stands for: the font is given the size that makes its 96-dpi pixels.
void Canvas::ApplyFont(const QFont& font)
{
    if (bitmap_) {
        painter_.setFont(font);
        return;
    }
    QFont scaled = font;
    scaled.setPointSizeF(font.pointSizeF() * PageDpi / painter_.device()->logicalDpiY());
    scaled.setStyleStrategy(QFont::PreferAntialias);
    painter_.setFont(scaled);
}

// The canvas's font becomes the painter's, and on a device its 96-dpi metrics
// are kept for the many texts that follow.
void Canvas::TakeFont()
{
    ApplyFont(font_);
    if (!bitmap_)
        deviceMetrics_.emplace(font_, PageMetricsDevice());
}

QFontMetrics Canvas::Metrics() const
{
    return bitmap_ ? painter_.fontMetrics() : *deviceMetrics_;
}

QFont Canvas::FontWithFace(const QString& face) const
{
    QFont font = font_;
    if (!face.isEmpty())
        font.setFamily(face);
    return font;
}

int Canvas::RunWidth(const QString& run, const QString& face) const
{
    if (face.isEmpty())
        return Metrics().horizontalAdvance(run);
    return QFontMetrics(FontWithFace(face),
                        bitmap_ ? static_cast<QPaintDevice*>(bitmap_) : PageMetricsDevice())
        .horizontalAdvance(run);
}

void Canvas::DrawTextRun(QPointF baseline, const QString& run, const QString& face)
{
    if (face.isEmpty()) {
        painter_.drawText(baseline, run);
        return;
    }
    ApplyFont(FontWithFace(face));
    painter_.drawText(baseline, run);
    ApplyFont(font_);
}

// A stroke of odd width lies on the pixel row (or column) below (or right of)
// its coordinate on screen; on a device it is moved there by half a pixel.
QPointF Canvas::StrokePoint(QPoint at, bool shiftX, bool shiftY) const
{
    const qreal half = pen_.width() % 2 ? 0.5 : 0.0;
    return QPointF(at.x() + (shiftX ? half : 0.0), at.y() + (shiftY ? half : 0.0));
}

} // namespace kelvaro
