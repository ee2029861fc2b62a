#include "TempHome.h"

#include "common/CodePage.h"
#include "common/DaysBefore.h"
#include "common/ErrorLog.h"

#include <QDateTime>
#include <QRegularExpression>

namespace kelvaro
{
namespace
{

// Blanks in the path must not confuse the housekeeping.
class ErrorLog : public test::InTempHome
{
protected:
    QString HomeName() const override { return QStringLiteral("program home/with blanks"); }
    QDir LogDir() const { return QDir(ProgramHome() + QStringLiteral("/Log")); }
    QStringList LogFiles() const { return LogDir().entryList(QDir::Files, QDir::Name); }
};

// Whether both calls fall into one second or not, neither message is lost.
TEST_F(ErrorLog, AppendsAndLosesNoMessage)
{
    LogError(QStringLiteral("first"));
    LogError(QStringLiteral("第二 喆"));

    QByteArray all;
    for (const QString& name : LogFiles()) {
        EXPECT_TRUE(
            QRegularExpression(QStringLiteral("^Error\\d{14}\\.log$")).match(name).hasMatch())
            << name.toStdString();
        all += test::ReadBytes(LogDir().filePath(name));
    }
    EXPECT_EQ(all, "first\r\n" + ToCodePage(QStringLiteral("第二 喆")) + "\r\n");
}

TEST_F(ErrorLog, RemovesExactlyTheFilesOfThreeDaysAgo)
{
    const QDate today = QDate::currentDate();
    const auto day = [&](int daysBack) { return today.addDays(-daysBack).toString(u"yyyyMMdd"); };
    const QStringList doomed = {QStringLiteral("Error%1083000.log").arg(day(3)),
                                QStringLiteral("Error%1235959.log").arg(day(3)),
                                QStringLiteral("Error%1.log").arg(day(3))};
    const QStringList kept = {QStringLiteral("Error%1120000.log").arg(day(4)),
                              QStringLiteral("Error%1120000.log").arg(day(2)),
                              QStringLiteral("Error%1120000.txt").arg(day(3)),
                              QStringLiteral("Other%1120000.log").arg(day(3))};
    ASSERT_TRUE(LogDir().mkpath(QStringLiteral(".")));
    for (const QString& name : doomed + kept)
        test::WriteBytes(LogDir().filePath(name), "old\r\n");

    LogError(QStringLiteral("now"));

    const QStringList left = LogFiles();
    for (const QString& name : doomed)
        EXPECT_FALSE(left.contains(name)) << name.toStdString();
    for (const QString& name : kept)
        EXPECT_TRUE(left.contains(name)) << name.toStdString();
    EXPECT_EQ(left.size(), kept.size() + 1); // and the new file
}

TEST(DaysBefore, KeepsTheTimeOfDay)
{
    const QDateTime when(QDate(2024, 3, 1), QTime(8, 30, 15));
    EXPECT_EQ(DaysBefore(when, 3), QDateTime(QDate(2024, 2, 27), QTime(8, 30, 15)));
}

} // namespace
} // namespace kelvaro
