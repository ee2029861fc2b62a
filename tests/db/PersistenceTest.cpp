#include "ChartFixture.h"

#include "chart/ChartRow.h"
#include "chart/DaySave.h"
#include "chart/PatientBaseInfo.h"
#include "db/Dialect.h"
#include "model/ChartDocument.h"

using namespace kelvaro;
using kelvaro::test::ChartTest;
using kelvaro::test::SampleDay;

namespace
{

// Text that breaks careless statements: a quote, a date delimiter, brackets,
// doubled colons and characters beyond GB2312.
const QString awkward = QStringLiteral("O'Brien 张喆 #1# [x] a::b");

using PersistenceTest = ChartTest;

TEST(ChartRowStatement, IsWrittenInTheDialectOfTheKind)
{
    const QDateTime when(QDate(2015, 3, 7), QTime(8, 5, 9));
    const QString start = QStringLiteral("insert into tblFebriloInfo(PatientID,BodyTempData,"
                                         "CreateDate,Operator) Values('P1',");
    EXPECT_EQ(RowMakingStatement(QStringLiteral("Access"), QStringLiteral("P1"),
                                 QStringLiteral("nurse1"), when),
              start + QStringLiteral("null,#2015-03-07 08::05::09#,'nurse1');"));
    for (const char* kind : {"SQLServer", "PostgreSQL"}) {
        EXPECT_EQ(RowMakingStatement(QString::fromLatin1(kind), QStringLiteral("P1"),
                                     QStringLiteral("o'k"), when),
                  start + QStringLiteral("'','2015-03-07 08:05:09','o''k');"));
    }
}

TEST_P(PersistenceTest, FirstLoadMakesOneEmptyRowAndTheNextFindsIt)
{
    auto chart = Open(fresh.db(), patient);
    const QDateTime before = QDateTime::currentDateTime().addSecs(-1);
    ASSERT_TRUE(chart->LoadChart());
    for (int load = 0; load < 2; ++load) {
        if (load == 1) {
            ASSERT_TRUE(chart->LoadChart());
        }
        const Rows rows = ChartRows(patient);
        ASSERT_EQ(rows.size(), 1u);
        const Row& row = rows.front();
        // null on the local kind, '' on the server kinds
        EXPECT_EQ(row.isNull(QStringLiteral("BodyTempData")), GetParam() == Engine::SQLite);
        EXPECT_EQ(row.text(QStringLiteral("BodyTempData")), QString());
        EXPECT_EQ(row.text(QStringLiteral("Operator")), QStringLiteral("nurse1"));
        EXPECT_GE(row.dateTime(QStringLiteral("CreateDate")), before);
        EXPECT_LE(row.dateTime(QStringLiteral("CreateDate")), QDateTime::currentDateTime());
        EXPECT_TRUE(chart->Days.empty());
        EXPECT_EQ(chart->GetDocumentText(), EmptyDocument(patient, QStringLiteral("A100")));
    }
}

TEST_P(PersistenceTest, SavedDaysLoadBackWithTheirLogsAndTypedText)
{
    auto chart = Open(fresh.db(), patient);
    ASSERT_TRUE(chart->LoadChart());
    chart->Days[QStringLiteral("2015-03-07")] = SampleDay(QStringLiteral("2015-03-07"), awkward);
    chart->Days[QStringLiteral("2015-03-08")] = SampleDay(QStringLiteral("2015-03-08"), {}, 2);
    const TemperatureDataMap saved = chart->Days;
    ASSERT_TRUE(chart->SaveChart());
    EXPECT_EQ(chart->GetDocumentText(), DocumentWriter(patient, QStringLiteral("A100"), saved));

    auto again = Open(fresh.db(), patient);
    ASSERT_TRUE(again->LoadChart());
    EXPECT_EQ(again->Days, saved);
    EXPECT_EQ(again->GetDocumentText(), chart->GetDocumentText());
    EXPECT_EQ(ChartRows(patient).size(), 1u);
}

TEST_P(PersistenceTest, HeaderAndLookupKeepTypedText)
{
    const QString other = Register(QStringLiteral("B'7"), awkward);
    const QString source = DialectForKind(fresh.kind()).PatientSource;
    EXPECT_EQ(FindContentIdBySerial(fresh.db(), source, QStringLiteral("B'7")), other);
    QString error;
    EXPECT_EQ(FindContentIdBySerial(fresh.db(), source, QStringLiteral("none"), &error), QString());
    EXPECT_FALSE(error.isEmpty());

    auto chart = Open(fresh.db(), other);
    EXPECT_EQ(chart->Name, awkward);
    EXPECT_EQ(chart->SerialNumber, QStringLiteral("B'7"));
    EXPECT_EQ(chart->Sex, QStringLiteral("男"));
    EXPECT_EQ(chart->InHospitalDate, QStringLiteral("2015-03-07"));
    EXPECT_EQ(chart->OutHospitalDate, QStringLiteral("1899-12-30"));
    ASSERT_TRUE(chart->LoadChart());
    chart->Days[QStringLiteral("2015-03-07")] = SampleDay(QStringLiteral("2015-03-07"), awkward);
    ASSERT_TRUE(chart->SaveChart());
    auto again = Open(fresh.db(), other);
    ASSERT_TRUE(again->LoadChart());
    EXPECT_EQ(again->Days, chart->Days);
}

TEST_P(PersistenceTest, ClearLeavesOneEmptyRowAndTheDaysInMemory)
{
    auto chart = Open(fresh.db(), patient);
    ASSERT_TRUE(chart->LoadChart());
    chart->Days[QStringLiteral("2015-03-07")] = SampleDay(QStringLiteral("2015-03-07"), {});
    ASSERT_TRUE(chart->SaveChart());
    ASSERT_TRUE(chart->LoadChart()); // a second row must go as well
    ASSERT_TRUE(fresh.db().Exec(
        QStringLiteral("insert into tblFebriloInfo(PatientID,BodyTempData) values('%1','')")
            .arg(patient)));

    ASSERT_TRUE(chart->ClearChart());
    EXPECT_EQ(chart->Days.size(), 1u);
    EXPECT_EQ(chart->GetDocumentText(), EmptyDocument(patient, QStringLiteral("A100")));
    const Rows rows = ChartRows(patient);
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows.front().text(QStringLiteral("BodyTempData")), QString());
    ASSERT_TRUE(chart->LoadChart());
    EXPECT_TRUE(chart->Days.empty());
}

TEST_P(PersistenceTest, WithoutPatientNothingIsLoadedOrStored)
{
    auto chart = Open(fresh.db(), patient);
    chart->PatientID.clear();
    chart->Days[QStringLiteral("2015-03-07")] = SampleDay(QStringLiteral("2015-03-07"), {});
    EXPECT_FALSE(chart->LoadChart());
    EXPECT_FALSE(chart->SaveChart());
    EXPECT_FALSE(chart->ClearChart());
    EXPECT_EQ(chart->Days.size(), 1u);
    Rows rows;
    ASSERT_TRUE(fresh.db().Select(QStringLiteral("select SerialNo from tblFebriloInfo"), rows));
    EXPECT_TRUE(rows.empty());
}

TEST_P(PersistenceTest, FailuresAreLoggedWithTheirTexts)
{
    auto chart = Open(fresh.db(), patient);
    ASSERT_TRUE(chart->LoadChart());
    const QByteArray loaded = chart->GetDocumentText();
    ASSERT_TRUE(fresh.db().Exec(QStringLiteral("drop table tblFebriloInfo")));

    struct Case {
        const char* prefix;
        bool (_TemperatureData::*operation)();
    };
    const Case cases[] = {
        {"从数据库读取XML数据失败，错误原因：", &_TemperatureData::LoadChart},
        {"保存XML数据到数据库失败，错误原因：", &_TemperatureData::SaveChart},
        {"清除数据库中病人体温单数据失败，错误原因：", &_TemperatureData::ClearChart},
    };
    for (const Case& c : cases) {
        const QString prefix = QString::fromUtf8(c.prefix);
        if (c.operation == &_TemperatureData::SaveChart) {
            ASSERT_TRUE(chart->SetDocumentText(loaded));
            EXPECT_FALSE(chart->SaveChart());
            EXPECT_EQ(chart->GetDocumentText(), loaded); // a failed save keeps the text
        } else {
            EXPECT_FALSE((chart.get()->*c.operation)());
        }
        const QStringList lines = LogLines().filter(prefix);
        ASSERT_EQ(lines.size(), 1) << c.prefix;
        EXPECT_TRUE(lines.front().startsWith(prefix));
        EXPECT_GT(lines.front().size(), prefix.size()) << "the error's own message follows";
    }
}

TEST_P(PersistenceTest, ChartOfAnEarlierAdmissionNumberIsCarriedOver)
{
    auto chart = Open(fresh.db(), patient);
    ASSERT_TRUE(chart->LoadChart());
    chart->Days[QStringLiteral("2015-03-07")] = SampleDay(QStringLiteral("2015-03-07"), awkward);
    ASSERT_TRUE(chart->SaveChart());
    const TemperatureDataMap days = chart->Days;
    ASSERT_TRUE(fresh.db().Exec(
        QStringLiteral("update tblInPatientInfo set SerialNumber='A200' where ContentID='%1'")
            .arg(patient)));

    auto renumbered = Open(fresh.db(), patient);
    ASSERT_TRUE(renumbered->LoadChart());
    EXPECT_EQ(renumbered->Days, days);
    EXPECT_EQ(renumbered->GetDocumentText(), DocumentWriter(patient, QStringLiteral("A200"), days));
    const ChartStoreResult saved =
        SaveDay(fresh.db(), *renumbered, SampleDay(QStringLiteral("2015-03-08"), {}, 0), "nurse2");
    ASSERT_TRUE(saved.stored) << saved.reason.toStdString();

    auto reloaded = Open(fresh.db(), patient);
    ASSERT_TRUE(reloaded->LoadChart());
    EXPECT_EQ(reloaded->Days.size(), 2u);
    EXPECT_EQ(reloaded->Days.at(QStringLiteral("2015-03-07")),
              days.at(QStringLiteral("2015-03-07")));
    EXPECT_EQ(reloaded->GetDocumentText(), saved.document);
}

TEST_P(PersistenceTest, UnreadableStoredChartLoadsInPartAndIsNeverOverwritten)
{
    const QString other = Register(QStringLiteral("C1"));
    const QByteArray day = "\t<Group Date=\"2015-03-07\" >\n\t</Group>\n";
    const QByteArray root = "<?xml version=\"1.0\" encoding=\"GB2312\"?>\n\t<Root PatientID=\"" +
                            patient.toLatin1() + "\" SerialNumber=\"A100\" >\n";
    const QByteArray unreadable[] = {
        root + day + day + "\t</Root>", // a repeated day
        EmptyDocument(other, QStringLiteral("C1")),
        "not a chart",
    };
    for (const QByteArray& stored : unreadable) {
        auto chart = Open(fresh.db(), patient);
        ASSERT_TRUE(chart->LoadChart());
        Store(patient, stored);
        EXPECT_FALSE(chart->LoadChart());
        EXPECT_EQ(chart->Days.size(), stored.startsWith(root) ? 1u : 0u);

        chart->Days[QStringLiteral("2015-03-09")] = SampleDay(QStringLiteral("2015-03-09"), {});
        EXPECT_FALSE(chart->SaveChart());
        const ChartStoreResult dayResult =
            SaveDay(fresh.db(), *chart, SampleDay(QStringLiteral("2015-03-09"), {}, 0), "nurse1");
        EXPECT_FALSE(dayResult.stored);
        EXPECT_TRUE(dayResult.refused);
        EXPECT_FALSE(dayResult.reason.isEmpty());
        EXPECT_EQ(ChartRows(patient).front().bytes(QStringLiteral("BodyTempData")), stored);

        ASSERT_TRUE(chart->ClearChart()); // clearing is the user's explicit choice
        EXPECT_TRUE(chart->SaveChart());
    }
}

TEST_P(PersistenceTest, TwoWorkstationsSavingDifferentDaysKeepBoth)
{
    Database second;
    ASSERT_TRUE(second.Open(fresh.settings()));
    auto first = Open(fresh.db(), patient);
    auto other = Open(second, patient);
    ASSERT_TRUE(first->LoadChart());
    ASSERT_TRUE(other->LoadChart());

    const QDateTime now(QDate(2015, 3, 9), QTime(10, 0, 0));
    const auto save = [&](Database& db, _TemperatureData& chart, const char* date,
                          const char* who) {
        const ChartStoreResult result =
            SaveDay(db, chart, SampleDay(QString::fromLatin1(date), awkward, 0), who, now);
        EXPECT_TRUE(result.stored) << result.reason.toStdString();
    };
    save(fresh.db(), *first, "2015-03-07", "nurse1");
    save(second, *other, "2015-03-08", "nurse2"); // its copy does not know 03-07 yet
    save(fresh.db(), *first, "2015-03-07", "nurse1");
    save(second, *other, "2015-03-09", "nurse2");

    auto reloaded = Open(fresh.db(), patient);
    ASSERT_TRUE(reloaded->LoadChart());
    EXPECT_EQ(reloaded->Days, other->Days);
    ASSERT_EQ(reloaded->Days.size(), 3u);
    const OperationLogInfoVec& log = reloaded->Days.at(QStringLiteral("2015-03-07")).OperationLog;
    ASSERT_EQ(log.size(), 2u);
    EXPECT_EQ(log[0], (OperationLogInfo{"1", "2015-03-09 10:00:00", "nurse1"}));
    EXPECT_EQ(log[1].Type, QStringLiteral("2"));
    EXPECT_EQ(reloaded->Days.at(QStringLiteral("2015-03-09")).Memo[0], awkward);
}

// Nothing of the save had reached the server when it found the connection
// lost, as after a server restart: it is made on a new connection.
TEST_P(PersistenceTest, SaveAfterALostServerConnectionWorks)
{
    if (GetParam() == Engine::SQLite)
        GTEST_SKIP() << "only a server connection can be lost";
    auto chart = Open(fresh.db(), patient);
    ASSERT_TRUE(chart->LoadChart());
    Rows rows;
    ASSERT_TRUE(fresh.db().Select(QStringLiteral("select pg_backend_pid() as pid"), rows));
    Database other;
    ASSERT_TRUE(other.Open(fresh.settings()));
    ASSERT_TRUE(other.Select(QStringLiteral("select pg_terminate_backend(%1, 10000)")
                                 .arg(rows.front().text(QStringLiteral("pid"))),
                             rows));

    chart->Days[QStringLiteral("2015-03-07")] = SampleDay(QStringLiteral("2015-03-07"), {});
    EXPECT_TRUE(chart->SaveChart());
    auto reloaded = Open(other, patient);
    ASSERT_TRUE(reloaded->LoadChart());
    EXPECT_EQ(reloaded->Days, chart->Days);
}

INSTANTIATE_TEST_SUITE_P(Engines, PersistenceTest, kelvaro::test::AllEngines(),
                         kelvaro::test::EngineName);

} // namespace
