#pragma once
#include <QColor>
#include <QFont>
#include <QImage>
#include <QPainter>
#include <QString>

namespace kelvaro
{

// The drawing surface of a chart page, with the semantics the page layout is
// measured in: lines leave out their last pixel, rectangles and ellipses leave
// out their right and bottom edges, a text is placed by the top-left corner of
// its character cell and gets an opaque background in the brush colour unless
// the brush is clear. Paints a QImage at 96 dpi without antialiasing.
class Canvas
{
public:
    enum class BrushStyle { Solid, Clear };

    // The image is made RGB at 96 dpi when it is not; it must outlive the canvas.
    explicit Canvas(QImage& bitmap);

    int Width() const { return bitmap_.width(); }
    int Height() const { return bitmap_.height(); }

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

    // Single pixels; positions outside the image read as white and are not written.
    QRgb Pixel(int x, int y) const;
    void SetPixel(int x, int y, QRgb color);

    // The Chinese-capable face of the page texts, and the Song-style title face.
    static QString TextFace();
    static QString TitleFace();

private:
    void ApplyPen();
    void ApplyBrush();

    QImage& bitmap_;
    QPainter painter_;
    QPen pen_;
    QColor brushColor_ = Qt::white;
    BrushStyle brushStyle_ = BrushStyle::Solid;
    QFont font_;
    QColor fontColor_ = Qt::black;
    QPoint position_;
};

} // namespace kelvaro
