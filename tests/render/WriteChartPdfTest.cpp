#include "render/WriteChartPdf.h"
#include "PageFixture.h"
#include "PrintSpool.h"
#include "render/PrintScale.h"

#include "common/Scramble.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <algorithm>

namespace kelvaro::test
{
namespace
{

class ChartPdf : public PageFixture
{
protected:
    QString Write(int pages)
    {
        const QString file = dir.filePath(QStringLiteral("chart.pdf"));
        QString error;
        EXPECT_TRUE(WriteChartPdf(chart, pages, settings, file, &error)) << error.toStdString();
        return file;
    }

    QStringList FilesInDir() const { return QDir(dir.path()).entryList(QDir::Files); }

    QTemporaryDir dir;
};

struct SizeCase {
    int offset;
    QSizeF points;
};

class ChartPdfSize : public ChartPdf, public testing::WithParamInterface<SizeCase>
{
};

// 800 × 1160 page pixels at 6 dots each and 600 dots an inch: 8.0 × 11.6 in.
TEST_P(ChartPdfSize, IsTheStretchedPageExactlyWithItsOffset)
{
    settings = {2, GetParam().offset, 0, true};
    const QString file = Write(3);
    EXPECT_EQ(PrintSpool::Pages(file), 3);
    EXPECT_EQ(PrintSpool::PageSize(file), GetParam().points);
}

INSTANTIATE_TEST_SUITE_P(Offsets, ChartPdfSize,
                         testing::Values(SizeCase{0, {576, 835.2}}, SizeCase{40, {604.8, 835.2}}));

TEST_F(ChartPdf, CarriesTheTextsInEmbeddedFontsAndNamesThePatient)
{
    chart.Title = Scramble(QStringLiteral("示例医院体温单"));
    chart.Name = QStringLiteral("王一");
    chart.SerialNumber = QStringLiteral("2015001");
    Day(QStringLiteral("2015-03-01")).DBCS = QStringLiteral("※");
    const QString file = Write(1);

    const QString text = PrintSpool::Run(QStringLiteral("pdftotext"), {file, QStringLiteral("-")});
    for (const QString& expected : {QStringLiteral("王一"), QStringLiteral("2015001"),
                                    QStringLiteral("体温单"), QStringLiteral("※")})
        EXPECT_TRUE(text.contains(expected)) << expected.toStdString();

    const QString info = PrintSpool::Run(QStringLiteral("pdfinfo"), {file});
    EXPECT_TRUE(info.contains(QRegularExpression(QStringLiteral("Title:.*王一.*2015001"))))
        << info.toStdString();
    EXPECT_TRUE(info.contains(QRegularExpression(QStringLiteral("Creator:\\s+Kelvaro 电子体温单"))))
        << info.toStdString();

    // pdffonts: a line per font, its "emb" column yes; no font left to the viewer.
    const QStringList fonts =
        PrintSpool::Run(QStringLiteral("pdffonts"), {file}).split('\n', Qt::SkipEmptyParts).mid(2);
    ASSERT_FALSE(fonts.isEmpty());
    for (const QString& font : fonts)
        EXPECT_TRUE(
            font.contains(QRegularExpression(QStringLiteral(R"(\s+yes\s+\S+\s+\S+\s+\d+\s+\d+$)"))))
            << font.toStdString();
    // The reference mark is drawn in a face that keeps its four dots.
    EXPECT_TRUE(fonts.join('\n').contains(QStringLiteral("DejaVuSans")));
    // No page-sized picture: everything is strokes and text.
    EXPECT_EQ(PrintSpool::Run(QStringLiteral("pdfimages"), {QStringLiteral("-list"), file})
                  .split('\n', Qt::SkipEmptyParts)
                  .size(),
              2);
}

// At 100 dots an inch one page pixel is one pixel of the PDF's picture: the
// horizontal lines of the graph lie where the screen page has them.
TEST_F(ChartPdf, ShowsTheScreenPageAtOneHundredDotsAnInch)
{
    Day(QStringLiteral("2015-03-01")).KB[0] = QStringLiteral("37.0");
    const QImage sheet = PrintSpool::Raster(Write(1), 1, 100);
    Draw();
    ASSERT_EQ(sheet.size(), page.size());
    const int x = l.DayLeft(3) + l.SW / 2 + 3; // between the slot lines of day 3
    const std::vector<int> screen = PrintSpool::DarkRows(page, x);
    const std::vector<int> printed = PrintSpool::DarkRows(sheet, x);
    ASSERT_EQ(printed.size(), screen.size());
    for (size_t i = 0; i < screen.size(); ++i)
        EXPECT_NEAR(printed[i], screen[i], 1) << "line " << i;
    const int middle = l.GraphTop() + 5;
    EXPECT_NEAR(PrintSpool::FirstDarkColumn(sheet, middle),
                PrintSpool::FirstDarkColumn(page, middle), 1);
}

struct Unfinished {
    const char* name;
    int cancelAfter;  // pages done when the writing is cancelled; -1 for none
    bool blockTarget; // a directory stands where the file should go
};

class UnfinishedPdf : public ChartPdf, public testing::WithParamInterface<Unfinished>
{
};

// A cancelled or failed writing leaves the earlier file untouched and no part
// of the new one.
TEST_P(UnfinishedPdf, LeavesNothingOfItBehind)
{
    const Unfinished c = GetParam();
    const QString file = dir.filePath(QStringLiteral("chart.pdf"));
    if (c.blockTarget) {
        ASSERT_TRUE(QDir(dir.path()).mkpath(QStringLiteral("chart.pdf/inside")));
    } else {
        QFile earlier(file);
        ASSERT_TRUE(earlier.open(QIODevice::WriteOnly));
        earlier.write("earlier");
    }
    QString error;
    EXPECT_FALSE(WriteChartPdf(chart, 1, 3, settings, file, &error, [&c](int done) {
        return c.cancelAfter < 0 || done < c.cancelAfter;
    }));
    EXPECT_FALSE(error.isEmpty());
    EXPECT_EQ(FilesInDir(), c.blockTarget ? QStringList() : QStringList({"chart.pdf"}));
    if (!c.blockTarget) {
        QFile earlier(file);
        ASSERT_TRUE(earlier.open(QIODevice::ReadOnly));
        EXPECT_EQ(earlier.readAll(), QByteArray("earlier"));
    }
}

INSTANTIATE_TEST_SUITE_P(Writings, UnfinishedPdf,
                         testing::Values(Unfinished{"cancelled at once", 0, false},
                                         Unfinished{"cancelled after two pages", 2, false},
                                         Unfinished{"cancelled after the last page", 3, false},
                                         Unfinished{"target is a directory", -1, true}),
                         [](const auto& info) {
                             std::string name = info.param.name;
                             std::replace(name.begin(), name.end(), ' ', '_');
                             return name;
                         });

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
    EXPECT_EQ(PrintScale(1200), 12);
}

} // namespace
} // namespace kelvaro::test
