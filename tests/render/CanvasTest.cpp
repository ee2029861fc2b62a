#include "PageFixture.h"

namespace kelvaro::test
{
namespace
{

class CanvasTest : public ::testing::Test
{
protected:
    CanvasTest() { image.fill(Qt::white); }
    QImage image{60, 40, QImage::Format_RGB32};
};

TEST_F(CanvasTest, LinesLeaveOutTheirLastPixel)
{
    {
        Canvas canvas(image);
        canvas.Line(2, 2, 10, 2);
        canvas.Line(2, 5, 2, 12);
    }
    EXPECT_EQ(CountColour(image, QRect(2, 2, 8, 1), Qt::black), 8);
    EXPECT_EQ(image.pixelColor(10, 2), QColor(Qt::white));
    EXPECT_EQ(CountColour(image, QRect(2, 5, 1, 7), Qt::black), 7);
    EXPECT_EQ(image.pixelColor(2, 12), QColor(Qt::white));
}

TEST_F(CanvasTest, RectanglesAndEllipsesLeaveOutTheirRightAndBottomEdges)
{
    {
        Canvas canvas(image);
        canvas.SetBrushColor(Qt::blue);
        canvas.Rectangle(2, 2, 12, 8);
        canvas.Ellipse(20, 2, 31, 13);
    }
    EXPECT_EQ(image.pixelColor(2, 2), QColor(Qt::black));
    EXPECT_EQ(image.pixelColor(11, 7), QColor(Qt::black));
    EXPECT_EQ(image.pixelColor(12, 7), QColor(Qt::white));
    EXPECT_EQ(image.pixelColor(11, 8), QColor(Qt::white));
    EXPECT_EQ(image.pixelColor(5, 5), QColor(Qt::blue));
    EXPECT_EQ(image.pixelColor(25, 7), QColor(Qt::blue)); // the centre
    EXPECT_EQ(image.pixelColor(20, 7), QColor(Qt::black));
    EXPECT_EQ(image.pixelColor(30, 7), QColor(Qt::black));
    EXPECT_EQ(image.pixelColor(31, 7), QColor(Qt::white));
}

TEST_F(CanvasTest, TextGetsTheBrushAsBackgroundUnlessTheBrushIsClear)
{
    image.fill(Qt::green);
    int width = 0;
    int height = 0;
    {
        Canvas canvas(image);
        canvas.SetFontColor(Qt::red);
        canvas.TextOut(2, 2, QStringLiteral("体温"));
        canvas.SetBrushStyle(Canvas::BrushStyle::Clear);
        canvas.TextOut(2, 20, QStringLiteral("体温"));
        width = 2 * 2 * canvas.AverageCharWidth();
        height = canvas.CellHeight();
    }
    EXPECT_TRUE(HasTextAt(image, 2, 2, QStringLiteral("体温"), Qt::red));
    EXPECT_TRUE(HasTextAt(image, 2, 20, QStringLiteral("体温"), Qt::red));
    // The opaque cell is white where the glyphs leave it; the clear one keeps the ground.
    EXPECT_GT(CountColour(image, QRect(2, 2, width, height), Qt::white), 0);
    EXPECT_EQ(CountColour(image, QRect(2, 20, width, height), Qt::white), 0);
}

TEST_F(CanvasTest, MeasuresTheCurrentFontAndReadsAndWritesPixels)
{
    Canvas canvas(image);
    EXPECT_EQ(image.dotsPerMeterX(), 3780);
    const int narrow = canvas.AverageCharWidth();
    const int cell = canvas.CellHeight();
    EXPECT_GT(narrow, 0);
    canvas.SetFontSize(18);
    EXPECT_GT(canvas.AverageCharWidth(), narrow);
    EXPECT_GT(canvas.CellHeight(), cell);
    canvas.SetPixel(3, 4, qRgb(1, 2, 3));
    EXPECT_EQ(canvas.Pixel(3, 4), qRgb(1, 2, 3));
    EXPECT_EQ(canvas.Pixel(-1, 4), qRgb(255, 255, 255));
}

} // namespace
} // namespace kelvaro::test
