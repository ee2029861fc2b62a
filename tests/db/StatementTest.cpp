#include "Engines.h"

#include "db/Dialect.h"
#include "db/StatementText.h"

#include <QFile>
#include <QTemporaryDir>

using namespace kelvaro;
using kelvaro::test::FreshDatabase;

namespace
{

struct RewriteCase {
    const char* name;
    QString (*rewrite)(const QString&);
    const char* in;
    const char* out;
};

const RewriteCase rewriteCases[] = {
    {"colons outside quotes", ApplyColonRule, "#2015-03-07 08::05::09#", "#2015-03-07 08:05:09#"},
    {"colons in single quotes", ApplyColonRule, "x='a::b' and y=1::2", "x='a::b' and y=1:2"},
    {"colons in double quotes", ApplyColonRule, "\"a::b\"::c", "\"a::b\":c"},
    {"colons in back quotes", ApplyColonRule, "`a::b`::c", "`a::b`:c"},
    {"doubled quote stays inside", ApplyColonRule, "'it''s::'::", "'it''s::':"},
    {"three colons", ApplyColonRule, "a:::b", "a::b"},
    {"date delimiters", QuoteDateLiterals, "d between #2015-03-07# and #2015-03-08#",
     "d between '2015-03-07' and '2015-03-08'"},
    {"hash inside a text", QuoteDateLiterals, "n='#1' and d=#2015-03-07#",
     "n='#1' and d='2015-03-07'"},
    {"brackets", DropSquareBrackets, "select [Number] from [tblSystemConfig] where n='[x]'",
     "select Number from tblSystemConfig where n='[x]'"},
};

} // namespace

TEST(StatementText, RewritesOnlyOutsideQuotes)
{
    for (const RewriteCase& c : rewriteCases)
        EXPECT_EQ(c.rewrite(QString::fromUtf8(c.in)), QString::fromUtf8(c.out)) << c.name;
}

TEST(StatementText, QuotedDoublesSingleQuotesOnly)
{
    EXPECT_EQ(Quoted(QStringLiteral("张三")), QStringLiteral("张三"));
    EXPECT_EQ(Quoted(QStringLiteral("O'Brien ''")), QStringLiteral("O''Brien ''''"));
}

TEST(Dialect, AccessExampleReachesTheEngineWithSingleColons)
{
    const QDateTime when(QDate(2015, 3, 7), QTime(8, 5, 9));
    const Dialect access = DialectForKind(QStringLiteral("Access"));
    EXPECT_EQ(DateTimeLiteral(access, when), QStringLiteral("#2015-03-07 08::05::09#"));
    EXPECT_EQ(PeriodLiteral(access, QDate(2015, 3, 7), QDate(2015, 3, 8)),
              QStringLiteral("#2015-03-07 00::00::00# and #2015-03-08 23::59::59#"));
    for (const char* kind : {"SQLServer", "PostgreSQL"}) {
        const Dialect server = DialectForKind(QString::fromLatin1(kind));
        EXPECT_EQ(DateTimeLiteral(server, when), QStringLiteral("'2015-03-07 08:05:09'"));
        EXPECT_EQ(server.PatientSource, QStringLiteral("ViewInPatientInfo"));
        EXPECT_EQ(server.EmptyDocumentValue, QStringLiteral("''"));
    }
    EXPECT_EQ(access.PatientSource, QStringLiteral("tblInPatientInfo"));
    EXPECT_EQ(access.EmptyDocumentValue, QStringLiteral("null"));
}

// ------------------------------------------------------------ both engines

class StatementEngineTest : public testing::TestWithParam<Engine>
{
protected:
    void SetUp() override
    {
        KELVARO_FRESH_DATABASE_OR_SKIP(fresh, GetParam(), FreshDatabase::Contents::Schema);
    }
    QString KindOfEngine() const { return fresh.kind(); }

    // Stores `typed` as a section name and finds it again by the same text.
    void ExpectStoredAs(const QString& typed, const QString& stored)
    {
        QString error;
        ASSERT_TRUE(
            fresh.db().Exec(QStringLiteral("insert into tblSectionInfo (SectionName) values ('") +
                                Quoted(typed) + QStringLiteral("')"),
                            &error))
            << error.toStdString();
        Rows rows;
        ASSERT_TRUE(fresh.db().Select(QStringLiteral("select SectionName from tblSectionInfo "
                                                     "where SectionName='") +
                                          Quoted(typed) + u'\'',
                                      rows, &error))
            << error.toStdString();
        ASSERT_EQ(rows.size(), 1u);
        EXPECT_EQ(rows[0].text(QStringLiteral("sectionname")), stored);
    }

    FreshDatabase fresh;
};

TEST_P(StatementEngineTest, TraceShowsTheStatementAfterTheColonRule)
{
    QTemporaryDir dir;
    const QString trace = dir.filePath(QStringLiteral("trace.sql"));
    qputenv("KELVARO_SQL_TRACE", trace.toLocal8Bit());
    const Dialect dialect = DialectForKind(fresh.kind());
    const QString insert =
        QStringLiteral("insert into tblInPatientInfo (ContentID, InHospitalDate) values ('A', ") +
        DateTimeLiteral(dialect, QDateTime(QDate(2015, 3, 7), QTime(8, 5, 9))) + u')';
    const QString select = QStringLiteral("select InHospitalDate from tblInPatientInfo where "
                                          "InHospitalDate between ") +
                           PeriodLiteral(dialect, QDate(2015, 3, 7), QDate(2015, 3, 7));
    Rows rows;
    QString error;
    const bool ok = fresh.db().Exec(insert, &error) && fresh.db().Select(select, rows, &error);
    qunsetenv("KELVARO_SQL_TRACE");
    ASSERT_TRUE(ok) << error.toStdString();
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0].dateTime(QStringLiteral("InHospitalDate")),
              QDateTime(QDate(2015, 3, 7), QTime(8, 5, 9)));
    EXPECT_EQ(rows[0].text(QStringLiteral("InHospitalDate")),
              QStringLiteral("2015-03-07 08:05:09"));

    QFile file(trace);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QStringList lines = QString::fromUtf8(file.readAll()).split(u'\n', Qt::SkipEmptyParts);
    const bool access = fresh.db().engine() == Engine::SQLite;
    const QString literal =
        access ? QStringLiteral("#2015-03-07 08:05:09#") : QStringLiteral("'2015-03-07 08:05:09'");
    const QString period = access
                               ? QStringLiteral("#2015-03-07 00:00:00# and #2015-03-07 23:59:59#")
                               : QStringLiteral("'2015-03-07 00:00:00' and '2015-03-07 23:59:59'");
    EXPECT_EQ(lines, QStringList({QStringLiteral("insert into tblInPatientInfo (ContentID, "
                                                 "InHospitalDate) values ('A', ") +
                                      literal + u')',
                                  QStringLiteral("select InHospitalDate from tblInPatientInfo "
                                                 "where InHospitalDate between ") +
                                      period}));
}

TEST_P(StatementEngineTest, TypedQuoteAndChineseTextComeBackAsTyped)
{
    const QString typed = QStringLiteral("王'喆 \"病区\" 1::2 #3# [4] \\n 😀");
    ExpectStoredAs(typed, typed);
}

TEST_P(StatementEngineTest, TextComparesWithoutLetterCase)
{
    QString error;
    Rows rows;
    ASSERT_TRUE(fresh.db().Exec(QStringLiteral("insert into tblUserInfo ([Number], Pwd, "
                                               "SectionName) values ('nurse', 'AB', '')"),
                                &error))
        << error.toStdString();
    ASSERT_TRUE(fresh.db().Select(
        QStringLiteral("select [Number] from tblUserInfo where [Number]='NURSE'"), rows, &error));
    EXPECT_EQ(rows.size(), 1u);
}

TEST_P(StatementEngineTest, FailedStatementReportsTheEnginesError)
{
    QString error;
    Rows rows;
    EXPECT_FALSE(fresh.db().Select(QStringLiteral("select * from tblNoSuchTable"), rows, &error));
    EXPECT_TRUE(error.contains(QStringLiteral("tblNoSuchTable"), Qt::CaseInsensitive))
        << error.toStdString();
    EXPECT_TRUE(fresh.db().Select(QStringLiteral("select * from tblDBVersion"), rows, &error))
        << error.toStdString();
}

// NUL and the like cut a statement short; typed into a field they are left out.
TEST_P(StatementEngineTest, UncarriableTypedCharactersAreLeftOut)
{
    const QString typed =
        QStringLiteral("内\u0000科'\u0001\t\uFFFF") + QChar(0xD800) + QStringLiteral("\n😀\u001F");
    const QString kept = QStringLiteral("内科'\t\n😀");
    EXPECT_EQ(Quoted(typed), QStringLiteral("内科''\t\n😀"));
    ExpectStoredAs(typed, kept);
}

INSTANTIATE_TEST_SUITE_P(Engines, StatementEngineTest, kelvaro::test::AllEngines(),
                         kelvaro::test::EngineName);
