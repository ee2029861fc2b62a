#include "render/PrintBitmap.h"

namespace kelvaro
{

namespace
{

constexpr int ScreenDpi = 96;

} // namespace

int PrintScale(int deviceDpi)
{
    return deviceDpi / ScreenDpi;
}

void PrintBitmap(QPainter& painter, const QImage& bitmap, int x, int y, int scaleX, int scaleY,
                 int width, int height)
{
    if (width == 0 || height == 0) {
        width = bitmap.width() * scaleX;
        height = bitmap.height() * scaleY;
    }
    // Whole-number stretching without smoothing keeps every page pixel a sharp
    // block of dots; a lossless image keeps the thin lines out of JPEG blur.
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    painter.setRenderHint(QPainter::LosslessImageRendering, true);
    painter.drawImage(QRect(x, y, width, height), bitmap);
}

} // namespace kelvaro
