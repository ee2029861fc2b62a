#include "render/PrintScale.h"

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

void DrawPrintedPage(QPainter& device, const ChartContent& chart, int week,
                     const ChartPageSettings& settings)
{
    DrawChartPage(device, PrintScale(device.device()->logicalDpiX()), chart, week, settings);
}

} // namespace kelvaro
