#include "render/WriteChartPdf.h"

#include "model/ChartContent.h"
#include "render/ChartLayout.h"
#include "render/PrintScale.h"

#include <QFileInfo>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QTemporaryFile>

#include <filesystem>
#include <system_error>

namespace kelvaro
{

namespace
{

constexpr int PdfDpi = 600;
const QString Cancelled = QStringLiteral("已取消");
constexpr qint64 ScanChunk = 1 << 20;

void SetError(QString* error, const QString& text)
{
    if (error)
        *error = text;
}

// The page in points: page pixels times the scale, at the writer's resolution.
QSizeF PagePoints(const ChartPageSettings& settings)
{
    const ChartLayout layout(settings.OffsetPage ? settings.Offset : 0);
    const double pointsPerPixel = 72.0 * PrintScale(PdfDpi) / PdfDpi;
    return QSizeF(layout.W * pointsPerPixel, layout.H * pointsPerPixel);
}

QByteArray MediaBox(double width, double height)
{
    return "/MediaBox [0 0 " + QByteArray::number(width, 'f', 6) + ' ' +
           QByteArray::number(height, 'f', 6) + ']';
}

// The PDF writer states a page's size in whole points, 835 for 835.2. It writes
// the numbers with six decimals, so the exact box takes as many bytes and is put
// in place of the rounded one without moving anything else in the file.
bool StateExactPageSize(QFile& pdf, QSize written, QSizeF exact)
{
    const QByteArray rounded = MediaBox(written.width(), written.height());
    const QByteArray precise = MediaBox(exact.width(), exact.height());
    if (rounded.size() != precise.size() || rounded == precise)
        return true;
    for (qint64 at = 0; at < pdf.size(); at += ScanChunk) {
        if (!pdf.seek(at))
            return false;
        // Each block overlaps the next by a box, so no box is cut in two.
        const QByteArray block = pdf.read(ScanChunk + rounded.size());
        for (qsizetype i = block.indexOf(rounded); i >= 0 && i < ScanChunk;
             i = block.indexOf(rounded, i + 1))
            if (!pdf.seek(at + i) || pdf.write(precise) != precise.size())
                return false;
    }
    return pdf.flush();
}

QString DocumentTitle(const ChartContent& chart)
{
    return QStringLiteral("体温单 %1 住院号 %2").arg(chart.Name, chart.SerialNumber);
}

// Draws the pages into the open file; false when cancelled or not written.
bool DrawPages(QFile& out, const ChartContent& chart, int first, int last,
               const ChartPageSettings& settings, const ChartPrintProgress& progress,
               QString* error)
{
    const QSizeF points = PagePoints(settings);
    QPdfWriter writer(&out);
    writer.setResolution(PdfDpi);
    writer.setTitle(DocumentTitle(chart));
    writer.setCreator(QStringLiteral("Kelvaro 电子体温单"));
    writer.setPageLayout(
        QPageLayout(QPageSize(points, QPageSize::Point), QPageLayout::Portrait, QMarginsF()));
    const QSize written = writer.pageLayout().fullRectPoints().size();
    QPainter painter;
    if (!painter.begin(&writer)) {
        SetError(error, QStringLiteral("不能写入PDF文件"));
        return false;
    }
    for (int page = first; page <= last; ++page) {
        if (!Continue(progress, page - first)) {
            SetError(error, Cancelled);
            return false;
        }
        if (page > first)
            writer.newPage();
        DrawPrintedPage(painter, chart, page, settings);
    }
    painter.end();
    if (out.error() != QFileDevice::NoError || !StateExactPageSize(out, written, points)) {
        SetError(error, out.errorString());
        return false;
    }
    if (!Continue(progress, last - first + 1)) {
        SetError(error, Cancelled);
        return false;
    }
    return true;
}

// Puts the finished file in the target's place in one step.
bool ReplaceTarget(QTemporaryFile& finished, const QString& target, QString* error)
{
    finished.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                            QFileDevice::ReadGroup | QFileDevice::ReadOther);
    finished.close();
    std::error_code failure;
    std::filesystem::rename(QFile::encodeName(finished.fileName()).toStdString(),
                            QFile::encodeName(target).toStdString(), failure);
    if (failure) {
        SetError(error, QString::fromLocal8Bit(failure.message()));
        return false;
    }
    finished.setAutoRemove(false);
    return true;
}

} // namespace

bool WriteChartPdf(const ChartContent& chart, int pages, const ChartPageSettings& settings,
                   const QString& file, QString* error)
{
    return WriteChartPdf(chart, 1, pages, settings, file, error);
}

bool WriteChartPdf(const ChartContent& chart, int first, int last,
                   const ChartPageSettings& settings, const QString& file, QString* error,
                   const ChartPrintProgress& progress)
{
    // Written beside the target, so that the last step is a rename.
    QTemporaryFile out(QFileInfo(file).absoluteFilePath() + QStringLiteral(".XXXXXX.part"));
    if (!out.open()) {
        SetError(error, out.errorString());
        return false;
    }
    return DrawPages(out, chart, first, last, settings, progress, error) &&
           ReplaceTarget(out, file, error);
}

} // namespace kelvaro
