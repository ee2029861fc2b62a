#include "render/WriteChartPdf.h"
#include "PageFixture.h"
#include "render/PrintBitmap.h"

#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>

namespace kelvaro::test
{
namespace
{

class ChartPdf : public PageFixture
{
protected:
    QTemporaryDir dir;
};

TEST_F(ChartPdf, WritesOnePageForEachWeekAtTheSizeOfTheStretchedPage)
{
    Day(QStringLiteral("2015-03-01")).KB[0] = QStringLiteral("37.0");
    settings = {2, 40, 0, true};
    const QString file = dir.filePath(QStringLiteral("chart.pdf"));
    ASSERT_TRUE(WriteChartPdf(chart, 3, settings, file));
    QFile pdf(file);
    ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
    const QByteArray bytes = pdf.readAll();
    EXPECT_TRUE(bytes.startsWith("%PDF"));
    EXPECT_EQ(bytes.count("/Type /Page\n"), 3);
    // 840 × 1160 page pixels at 6 dots each and 600 dots an inch: 604.8 × 835.2
    // points, which the PDF writer keeps to whole points.
    const QRegularExpressionMatch box =
        QRegularExpression(QStringLiteral(R"(/MediaBox \[0 0 ([\d.]+) ([\d.]+)\])"))
            .match(QString::fromLatin1(bytes));
    ASSERT_TRUE(box.hasMatch());
    EXPECT_NEAR(box.captured(1).toDouble(), 604.8, 1.0);
    EXPECT_NEAR(box.captured(2).toDouble(), 835.2, 1.0);
}

TEST_F(ChartPdf, ReportsAFileThatCannotBeWritten)
{
    QString error;
    EXPECT_FALSE(
        WriteChartPdf(chart, 1, settings, dir.filePath(QStringLiteral("no/such.pdf")), &error));
    EXPECT_FALSE(error.isEmpty());
}

TEST(PrintScale, IsTheWholeNumberOfDotsPerPagePixel)
{
    EXPECT_EQ(PrintScale(600), 6);
    EXPECT_EQ(PrintScale(300), 3);
    EXPECT_EQ(PrintScale(360), 3);
}

} // namespace
} // namespace kelvaro::test
