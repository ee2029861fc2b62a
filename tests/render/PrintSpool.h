#pragma once
// The PDF printer of the private CUPS scheduler that scripts/services starts:
// CUPS_SERVER names its socket, KELVARO_TEST_PDF_DIR the directory where each
// job becomes one PDF file. Without them the printing cases are skipped.
#include <QDeadlineTimer>
#include <QDir>
#include <QImage>
#include <QLockFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QThread>
#include <gtest/gtest.h>

#include <vector>

namespace kelvaro::test
{

class PrintSpool
{
public:
    static bool Configured()
    {
        return qEnvironmentVariableIsSet("CUPS_SERVER") &&
               qEnvironmentVariableIsSet("KELVARO_TEST_PDF_DIR");
    }
    static QString Printer() { return qEnvironmentVariable("KELVARO_TEST_PRINTER"); }

    // Forgets the files of earlier jobs, once the queue is this test's.
    static void Clear()
    {
        HoldQueue();
        WaitUntilIdle();
        for (const QString& name : Directory().entryList({QStringLiteral("*.pdf")}, QDir::Files))
            Directory().remove(name);
    }

    // The PDF file of each job printed since Clear, in the order of the jobs,
    // once the scheduler has finished them all.
    static QStringList Jobs()
    {
        WaitUntilIdle();
        QStringList files;
        for (const QString& name : Directory().entryList({QStringLiteral("*.pdf")}, QDir::Files))
            files << Directory().filePath(name);
        std::sort(files.begin(), files.end(),
                  [](const QString& a, const QString& b) { return JobNumber(a) < JobNumber(b); });
        return files;
    }

    static int Pages(const QString& pdf)
    {
        const QString info = Run(QStringLiteral("pdfinfo"), {pdf});
        return QRegularExpression(QStringLiteral(R"(Pages:\s+(\d+))"))
            .match(info)
            .captured(1)
            .toInt();
    }

    // The size of the first page in points, as pdfinfo states it.
    static QSizeF PageSize(const QString& pdf)
    {
        const QRegularExpressionMatch size =
            QRegularExpression(QStringLiteral(R"(Page size:\s+([\d.]+) x ([\d.]+) pts)"))
                .match(Run(QStringLiteral("pdfinfo"), {pdf}));
        return QSizeF(size.captured(1).toDouble(), size.captured(2).toDouble());
    }

    // What a poppler tool prints for a PDF.
    static QString Run(const QString& program, const QStringList& arguments)
    {
        QProcess process;
        process.start(program, arguments);
        process.waitForFinished(60000);
        return QString::fromUtf8(process.readAllStandardOutput());
    }

    // Page `page` of a PDF rasterised at `dpi`.
    static QImage Raster(const QString& pdf, int page, int dpi)
    {
        QTemporaryDir dir;
        const QString prefix = dir.filePath(QStringLiteral("page"));
        Run(QStringLiteral("pdftoppm"),
            {QStringLiteral("-r"), QString::number(dpi), QStringLiteral("-f"),
             QString::number(page), QStringLiteral("-l"), QString::number(page),
             QStringLiteral("-png"), QStringLiteral("-singlefile"), pdf, prefix});
        return QImage(prefix + QStringLiteral(".png")).convertToFormat(QImage::Format_RGB32);
    }

    // Where a page shows ink: the first column from the left along row `y`, the
    // last row from the top along column `x`, and every row along column `x`.
    static int FirstDarkColumn(const QImage& image, int y)
    {
        for (int x = 0; x < image.width(); ++x)
            if (IsInk(image.pixel(x, y)))
                return x;
        return -1;
    }
    static int LastDarkRow(const QImage& image, int x)
    {
        for (int y = image.height() - 1; y >= 0; --y)
            if (IsInk(image.pixel(x, y)))
                return y;
        return -1;
    }
    static std::vector<int> DarkRows(const QImage& image, int x)
    {
        std::vector<int> rows;
        for (int y = 0; y < image.height(); ++y)
            if (IsInk(image.pixel(x, y)) && (rows.empty() || rows.back() != y - 1))
                rows.push_back(y);
        return rows;
    }

private:
    // Test programs run side by side share the one queue: a test that prints
    // holds it from its first Clear to its end.
    class ReleaseAtTestEnd : public testing::EmptyTestEventListener
    {
    public:
        explicit ReleaseAtTestEnd(QLockFile& lock) : lock_(lock) {}
        void OnTestEnd(const testing::TestInfo&) override { lock_.unlock(); }

    private:
        QLockFile& lock_;
    };

    static void HoldQueue()
    {
        static QLockFile lock(qEnvironmentVariable("KELVARO_TEST_PDF_DIR") +
                              QStringLiteral(".lock"));
        static const bool releasing = [] {
            testing::UnitTest::GetInstance()->listeners().Append(new ReleaseAtTestEnd(lock));
            return true;
        }();
        Q_UNUSED(releasing);
        if (!lock.isLocked()) {
            lock.setStaleLockTime(0); // only a lock of a program that is gone is stale
            lock.lock();
        }
    }

    // Black, red or blue strokes; not the paper nor a faint edge of antialiasing.
    static bool IsInk(QRgb pixel)
    {
        return qMin(qMin(qRed(pixel), qGreen(pixel)), qBlue(pixel)) < 128;
    }

    static QDir Directory() { return QDir(qEnvironmentVariable("KELVARO_TEST_PDF_DIR")); }

    // cups-pdf ends each file name in "-job_N".
    static int JobNumber(const QString& file)
    {
        return QRegularExpression(QStringLiteral(R"(-job_(\d+)\.pdf$)"))
            .match(file)
            .captured(1)
            .toInt();
    }

    // No job left in the queue; a job's file is complete when it leaves it.
    static void WaitUntilIdle()
    {
        const QDeadlineTimer deadline(60000);
        while (!Run(QStringLiteral("lpstat"), {QStringLiteral("-o")}).trimmed().isEmpty() &&
               !deadline.hasExpired())
            QThread::msleep(100);
    }
};

} // namespace kelvaro::test

#define KELVARO_PRINT_SPOOL_OR_SKIP()                                                              \
    do {                                                                                           \
        if (!kelvaro::test::PrintSpool::Configured())                                              \
            GTEST_SKIP() << "no test printer: run the tests through scripts/test";                 \
        kelvaro::test::PrintSpool::Clear();                                                        \
    } while (false)
