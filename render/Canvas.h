#pragma once
#include <QColor>
#include <QFont>
#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <QString>

#include <optional>

namespace kelvaro
{

// The drawing surface of a chart page, with the semantics the page layout is
// measured in: lines leave out their last pixel, rectangles and ellipses leave
// out their right and bottom edges, a text is placed by the top-left corner of
// its character cell and gets an opaque background in the brush colour unless
// the brush is clear.
//
// On a bitmap it paints 96-dpi pixels without antialiasing. On a device (a
// printer, a PDF) it paints the same page pixels enlarged by a whole number of
// dots: strokes and shapes stay vectors, texts stay text, and fonts keep their
// 96-dpi sizes and metrics so that everything lands where it does on screen.
class Canvas
{
public:
    enum class BrushStyle { Solid, Clear };

    // The image is made RGB at 96 dpi when it is not; it must outlive the canvas.
    explicit Canvas(QImage& bitmap);
    // An active painter of a device; one page pixel becomes `scale` × `scale`
    // dots. The painter's state is restored when the canvas goes.
    Canvas(QPainter& device, int scale);
    ~Canvas();
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;

    void SetPenColor(const QColor& color);
    void SetPenWidth(int width);
    QColor PenColor() const { return pen_.color(); }
    int PenWidth() const { return pen_.width(); }

    void SetBrushColor(const QColor& color);
    void SetBrushStyle(BrushStyle style);
    BrushStyle Brush() const { return brushStyle_; }

    void SetFontFace(const QString& face);
    void SetFontSize(int points);
    void SetFontBold(bool bold);
    void SetFontColor(const QColor& color) { fontColor_ = color; }
    QString FontFace() const { return font_.family(); }
    QColor FontColor() const { return fontColor_; }
    int AverageCharWidth() const;
    int CellHeight() const;

    void MoveTo(int x, int y);
    void LineTo(int x, int y);
    void Line(int x1, int y1, int x2, int y2);
    void Rectangle(int x1, int y1, int x2, int y2);
    void Ellipse(int x1, int y1, int x2, int y2);
    void TextOut(int x, int y, const QString& text);

    // Whether the canvas has pixels of its own to read and blend; a device
    // canvas has none.
    bool HasPixels() const { return bitmap_ != nullptr; }
    // Single pixels; positions outside the image read as white and are not written.
    QRgb Pixel(int x, int y) const;
    void SetPixel(int x, int y, QRgb color);
    // A round-ended stroke between two points in page pixels (device canvases).
    void Stroke(QPointF from, QPointF to, const QColor& color, qreal width);

    // The Chinese-capable face of the page texts, and the Song-style title face.
    static QString TextFace();
    static QString TitleFace();

private:
    void ApplyPen();
    void ApplyBrush();
    void ApplyFont(const QFont& font);
    void TakeFont();
    QFontMetrics Metrics() const;
    QFont FontWithFace(const QString& face) const;
    int RunWidth(const QString& run, const QString& face) const;
    void DrawTextRun(QPointF baseline, const QString& run, const QString& face);
    QPointF StrokePoint(QPoint at, bool shiftX, bool shiftY) const;

    QImage* bitmap_ = nullptr;
    QPainter own_;
    QPainter& painter_;
    QPen pen_;
    QColor brushColor_ = Qt::white;
    BrushStyle brushStyle_ = BrushStyle::Solid;
    QFont font_;
    std::optional<QFontMetrics> deviceMetrics_;
    QColor fontColor_ = Qt::black;
    QPoint position_;
};

} // namespace kelvaro
