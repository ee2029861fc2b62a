#include "render/WriteChartPdf.h"

#include "render/ChartLayout.h"
#include "render/PrintBitmap.h"

#include <QFile>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>

namespace kelvaro
{

namespace
{

constexpr int PrintDpi = 600;

void SetError(QString* error, const QString& text)
{
    if (error)
        *error = text;
}

QPageLayout PageOf(const ChartPageSettings& settings, int scale)
{
    const ChartLayout layout(settings.OffsetPage ? settings.Offset : 0);
    const QSizeF inches(double(layout.W * scale) / PrintDpi, double(layout.H * scale) / PrintDpi);
    return QPageLayout(QPageSize(inches, QPageSize::Inch), QPageLayout::Portrait, QMarginsF());
}

} // namespace

bool WriteChartPdf(const _TemperatureData& chart, int pages, const ChartPageSettings& settings,
                   const QString& file, QString* error)
{
    return WriteChartPdf(chart, 1, pages, settings, file, error);
}

bool WriteChartPdf(const _TemperatureData& chart, int first, int last,
                   const ChartPageSettings& settings, const QString& file, QString* error)
{
    QFile out(file);
    if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        SetError(error, out.errorString());
        return false;
    }
    const int scale = PrintScale(PrintDpi);
    QPdfWriter writer(&out);
    writer.setResolution(PrintDpi);
    writer.setPageLayout(PageOf(settings, scale));
    QPainter painter;
    if (!painter.begin(&writer)) {
        SetError(error, QStringLiteral("cannot write a PDF to %1").arg(file));
        return false;
    }
    QImage bitmap;
    for (int page = first; page <= last; ++page) {
        if (page > first)
            writer.newPage();
        DrawChartPage(bitmap, chart, page, settings);
        PrintBitmap(painter, bitmap, 0, 0, scale, scale);
    }
    painter.end();
    out.close();
    if (out.error() != QFileDevice::NoError) {
        SetError(error, out.errorString());
        return false;
    }
    return true;
}

} // namespace kelvaro
