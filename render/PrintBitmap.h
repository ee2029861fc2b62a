#pragma once
#include <QImage>
#include <QPainter>

namespace kelvaro
{

// The whole-number factor by which a page drawn at 96 dpi is stretched onto a
// device: 6 at 600 dpi, 3 at 300.
int PrintScale(int deviceDpi);

// Stretches `bitmap` onto the device at (x, y) with the size width × height;
// a width or height of 0 is the bitmap's own times the scale.
void PrintBitmap(QPainter& painter, const QImage& bitmap, int x, int y, int scaleX, int scaleY,
                 int width = 0, int height = 0);

} // namespace kelvaro
