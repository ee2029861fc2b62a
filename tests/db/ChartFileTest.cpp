#include "ChartFixture.h"

#include "chart/ChartFile.h"
#include "chart/ChartRow.h"
#include "model/ChartDocument.h"

#include <QFile>

using namespace kelvaro;
using kelvaro::test::ChartTest;
using kelvaro::test::SampleDay;

namespace
{

using ChartFileTest = ChartTest;

QByteArray ReadFile(const QString& path)
{
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
    return file.readAll();
}

void WriteFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

TEST_P(ChartFileTest, ExportImportExportGivesTheSameFile)
{
    auto chart = Open(fresh.db(), patient);
    ASSERT_TRUE(chart->LoadChart());
    chart->Days[QStringLiteral("2015-03-07")] =
        SampleDay(QStringLiteral("2015-03-07"), QStringLiteral("不升 O'Brien 喆"), 2);
    chart->Days[QStringLiteral("2015-03-08")] = SampleDay(QStringLiteral("2015-03-08"), {});
    ASSERT_TRUE(chart->SaveChart());
    const TemperatureDataMap days = chart->Days;

    const QString first = fresh.dir() + QStringLiteral("/first.QDB");
    const QString second = fresh.dir() + QStringLiteral("/second.QDB");
    EXPECT_TRUE(ExportChartFile(fresh.db(), *chart, patient, first).ok);
    const ChartFileResult imported = ImportChartFile(fresh.db(), *chart, patient, first);
    EXPECT_TRUE(imported.ok) << imported.message.toStdString();
    EXPECT_TRUE(ExportChartFile(fresh.db(), *chart, patient, second).ok);
    EXPECT_EQ(ReadFile(second), ReadFile(first));
    EXPECT_EQ(ReadFile(first), DocumentWriter(patient, QStringLiteral("A100"), days));
    EXPECT_EQ(chart->Days, days);
}

TEST_P(ChartFileTest, ExportWithoutChartRowWritesTheEmptyDocument)
{
    auto chart = Open(fresh.db(), patient);
    const QString path = fresh.dir() + QStringLiteral("/empty.QDB");
    ASSERT_TRUE(ExportChartFile(fresh.db(), *chart, patient, path).ok);
    EXPECT_EQ(ReadFile(path), EmptyDocument(patient, QStringLiteral("A100")));
    EXPECT_EQ(ChartRows(patient).size(), 1u);
}

TEST_P(ChartFileTest, ImportReadsUpToTheFirstZeroByte)
{
    auto chart = Open(fresh.db(), patient);
    TemperatureDataMap days;
    days[QStringLiteral("2015-03-07")] = SampleDay(QStringLiteral("2015-03-07"), {});
    // Written by another program: its own layout, then zero bytes and rubbish.
    QByteArray file = DocumentWriter(patient, QStringLiteral("A100"), days);
    file.replace("\n\t", "\r\n  ");
    const QString path = fresh.dir() + QStringLiteral("/padded.QDB");
    WriteFile(path, file + QByteArray(3, '\0') + "rubbish");

    ASSERT_TRUE(ImportChartFile(fresh.db(), *chart, patient, path).ok);
    auto stored = Open(fresh.db(), patient);
    ASSERT_TRUE(stored->LoadChart());
    EXPECT_EQ(stored->Days, days);
    EXPECT_EQ(stored->GetDocumentText(), DocumentWriter(patient, QStringLiteral("A100"), days));
}

TEST_P(ChartFileTest, ForeignOrBrokenFileChangesNothing)
{
    const QString other = Register(QStringLiteral("B200"));
    auto chart = Open(fresh.db(), patient);
    ASSERT_TRUE(chart->LoadChart());
    chart->Days[QStringLiteral("2015-03-07")] = SampleDay(QStringLiteral("2015-03-07"), {});
    ASSERT_TRUE(chart->SaveChart());
    const QByteArray stored = chart->GetDocumentText();
    const TemperatureDataMap days = chart->Days;

    TemperatureDataMap foreignDays;
    foreignDays[QStringLiteral("2015-04-01")] = SampleDay(QStringLiteral("2015-04-01"), {});
    const QString otherAdmission =
        QStringLiteral(
            "此文件不是该病人本次住院（住院号 %1）的体温单数据，没有导入，原有数据未改变!")
            .arg(chart->SerialNumber);
    const QString damaged = QStringLiteral("此文件已损坏或不是体温单数据文件（");
    const QByteArray own = DocumentWriter(patient, chart->SerialNumber, foreignDays);
    QByteArray repeatedDay = own;
    const qsizetype dayAt = own.indexOf("<Group");
    repeatedDay.insert(dayAt, own.mid(dayAt, own.indexOf("</Group>") + 8 - dayAt));
    const struct {
        const char* what;
        QByteArray file;
        QString says; // the whole message, or its start for the parser's own words
    } files[] = {
        {"another patient", DocumentWriter(other, QStringLiteral("B200"), foreignDays),
         otherAdmission},
        {"another admission", DocumentWriter(patient, QStringLiteral("A099"), foreignDays),
         otherAdmission},
        {"cut short", "<Root", damaged + QStringLiteral("第1行：")},
        {"truncated", own.left(own.size() / 2), damaged + QStringLiteral("第")},
        {"junk", QByteArray("\x01\x02\xff\xfe junk"), damaged + QStringLiteral("第1行：")},
        {"empty", QByteArray(), damaged + QStringLiteral("文件是空的）")},
        {"other XML", "<html><body/></html>",
         damaged + QStringLiteral("没有体温单数据的根元素Root），没有导入，原有数据未改变!")},
        {"a day twice", repeatedDay,
         damaged + QStringLiteral("体温单数据的内容无法读取），没有导入，原有数据未改变!")},
    };
    const QString path = fresh.dir() + QStringLiteral("/foreign.QDB");
    for (const auto& [what, file, says] : files) {
        SCOPED_TRACE(what);
        WriteFile(path, file);
        const ChartFileResult result = ImportChartFile(fresh.db(), *chart, patient, path);
        EXPECT_FALSE(result.ok);
        EXPECT_TRUE(result.message.startsWith(says)) << result.message.toStdString();
        EXPECT_EQ(ChartRows(patient).front().bytes(QStringLiteral("BodyTempData")), stored);
        EXPECT_EQ(chart->Days, days);
        EXPECT_EQ(chart->GetDocumentText(), stored);
    }
    EXPECT_FALSE(ImportChartFile(fresh.db(), *chart, patient, path + QStringLiteral("x")).ok);
}

// Refused before anything is stored, and before such a file is read whole
// into a chart. A chart file of exactly 64 MiB is still read.
TEST_P(ChartFileTest, FileBeyondAnyStayIsRefusedAndChangesNothing)
{
    auto chart = Open(fresh.db(), patient);
    ASSERT_TRUE(chart->LoadChart());
    chart->Days[QStringLiteral("2015-03-07")] = SampleDay(QStringLiteral("2015-03-07"), {});
    ASSERT_TRUE(chart->SaveChart());
    const QByteArray stored = chart->GetDocumentText();
    const TemperatureDataMap days = chart->Days;

    for (const auto& file : kelvaro::test::OversizedChartFiles(fresh.dir(), patient)) {
        const ChartFileResult result = ImportChartFile(fresh.db(), *chart, patient, file.path);
        EXPECT_FALSE(result.ok) << file.what;
        EXPECT_TRUE(result.message.contains(file.reason)) << result.message.toStdString();
        EXPECT_TRUE(result.message.contains(QStringLiteral("没有导入")))
            << result.message.toStdString();
        EXPECT_EQ(ChartRows(patient).front().bytes(QStringLiteral("BodyTempData")), stored)
            << file.what;
        EXPECT_EQ(chart->Days, days) << file.what;
        EXPECT_EQ(chart->GetDocumentText(), stored) << file.what;
    }

    const QString limit = fresh.dir() + QStringLiteral("/limit.QDB");
    ASSERT_TRUE(ExportChartFile(fresh.db(), *chart, patient, limit).ok);
    ASSERT_TRUE(QFile::resize(limit, 64 * 1024 * 1024));
    const ChartFileResult result = ImportChartFile(fresh.db(), *chart, patient, limit);
    EXPECT_TRUE(result.ok) << result.message.toStdString();
    EXPECT_EQ(chart->Days, days);
}

TEST_P(ChartFileTest, ImportRepairsAChartThatCannotBeRead)
{
    auto chart = Open(fresh.db(), patient);
    const QString path = fresh.dir() + QStringLiteral("/repair.QDB");
    ASSERT_TRUE(ExportChartFile(fresh.db(), *chart, patient, path).ok);
    Store(patient, "broken");

    ASSERT_TRUE(ImportChartFile(fresh.db(), *chart, patient, path).ok);
    EXPECT_TRUE(chart->LoadChart());
    EXPECT_TRUE(chart->SaveChart());
}

INSTANTIATE_TEST_SUITE_P(Engines, ChartFileTest, kelvaro::test::AllEngines(),
                         kelvaro::test::EngineName);

} // namespace
