#include "ChartFixture.h"

#include "chart/PatientBaseInfo.h"
#include "common/CodePage.h"
#include "common/ContentId.h"
#include "common/ProgramHome.h"
#include "db/Dialect.h"
#include "model/ChartDocument.h"
#include "model/TemperatureData.h"

#include <QDir>

namespace kelvaro::test
{

void ChartTest::SetUp()
{
    KELVARO_FRESH_DATABASE_OR_SKIP(fresh, GetParam(), FreshDatabase::Contents::Schema);
    ASSERT_TRUE(EnterProgramHome(fresh.dir()));
    patient = Register(QStringLiteral("A100"));
}

QString ChartTest::Register(const QString& serialNumber, const QString& name)
{
    const QString id = NewContentID();
    const Dialect dialect = DialectForKind(fresh.kind());
    const QString insert =
        QStringLiteral("insert into tblInPatientInfo(ContentID,SerialNumber,Name,Sex,Age,AgeUnit,"
                       "InHospitalSection,BedNo,InHospitalDate,CurrentStatus) values('%1','%2',"
                       "'%3','男','45','岁','内科','12',%4,1)")
            .arg(id, Quoted(serialNumber), Quoted(name),
                 DateTimeLiteral(dialect, QDateTime(QDate(2015, 3, 7), QTime(8, 5, 9))));
    QString error;
    EXPECT_TRUE(fresh.db().Exec(insert, &error)) << error.toStdString();
    return id;
}

std::unique_ptr<_TemperatureData> ChartTest::Open(Database& db, const QString& patientId)
{
    auto chart = std::make_unique<_TemperatureData>(&db);
    chart->DatabaseKind = fresh.kind();
    chart->Operator = QStringLiteral("nurse1");
    chart->PatientID = patientId;
    EXPECT_TRUE(ReadPatientBaseInfo(db, DialectForKind(fresh.kind()).PatientSource, *chart));
    return chart;
}

Rows ChartTest::ChartRows(const QString& patientId)
{
    Rows rows;
    EXPECT_TRUE(fresh.db().Select(
        QStringLiteral("select BodyTempData,CreateDate,Operator from tblFebriloInfo "
                       "where PatientID='%1'")
            .arg(patientId),
        rows));
    return rows;
}

void ChartTest::Store(const QString& patientId, const QByteArray& document)
{
    ASSERT_TRUE(fresh.db().Exec(
        QStringLiteral("update tblFebriloInfo set BodyTempData='%1' where PatientID='%2'")
            .arg(Quoted(FromCodePage(document)), patientId)));
}

QStringList ChartTest::LogLines() const
{
    QStringList lines;
    const QDir log(fresh.dir() + QStringLiteral("/Log"));
    for (const QString& name : log.entryList(QDir::Files, QDir::Name)) {
        QFile file(log.filePath(name));
        if (file.open(QIODevice::ReadOnly))
            lines += FromCodePage(file.readAll()).split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
    }
    return lines;
}

TemperatureData SampleDay(const QString& date, const QString& text, int logEntries)
{
    TemperatureData day;
    day.Date = date;
    for (int slot = 0; slot < SlotCount; ++slot) {
        day.YB[slot] = QStringLiteral("37.%1").arg(slot);
        day.MB[slot] = QStringLiteral("8%1").arg(slot);
        day.Event[slot] = slot == 0 ? QStringLiteral("入院") : QString();
        day.EventTime[slot] = QStringLiteral("08:05");
        day.Memo[slot] = text;
        day.HXJ[slot] = QStringLiteral("FALSE");
    }
    day.XY1 = QStringLiteral("120/80");
    day.GMYW = text;
    for (int i = 0; i < logEntries; ++i)
        day.OperationLog.push_back({i == 0 ? QStringLiteral("1") : QStringLiteral("2"),
                                    QStringLiteral("2015-03-07 08:05:0%1").arg(i),
                                    QStringLiteral("nurse1")});
    return day;
}

namespace
{

QString WriteChartFile(const QString& path, const QByteArray& text, qint64 size)
{
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly) && file.write(text) == text.size() &&
                file.resize(size))
        << path.toStdString();
    return path;
}

} // namespace

std::vector<OversizedChartFile> OversizedChartFiles(const QString& dir, const QString& patientId)
{
    const QByteArray empty = EmptyDocument(patientId, QStringLiteral("A100"));
    const qsizetype rootEnd = empty.lastIndexOf('\n');
    QByteArray days = empty.left(rootEnd);
    for (int i = 0; i < 36601; ++i) {
        days += "\n\t<Group Date=\"" +
                QDate(1900, 1, 1).addDays(i).toString(QStringLiteral("yyyy-MM-dd")).toLatin1() +
                "\" />";
    }
    days += empty.mid(rootEnd);
    TemperatureDataMap oneDay;
    oneDay[QStringLiteral("2015-03-07")] = SampleDay(QStringLiteral("2015-03-07"), {});
    const QByteArray padded = DocumentWriter(patientId, QStringLiteral("A100"), oneDay);
    return {
        {"36,601 days", WriteChartFile(dir + QStringLiteral("/days.QDB"), days, days.size()),
         QStringLiteral("多于 36600 天")},
        {"64 MiB and one byte",
         WriteChartFile(dir + QStringLiteral("/padded.QDB"), padded, 64 * 1024 * 1024 + 1),
         QStringLiteral("大于 64 MiB")},
    };
}

} // namespace kelvaro::test
