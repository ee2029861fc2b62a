#include "chart/_temperaturedata.h"
#include "model/ChartDocument.h"

#include <QDate>
#include <gtest/gtest.h>

using namespace kelvaro;

namespace
{

const QString today()
{
    return QDate::currentDate().toString(QStringLiteral("yyyy-MM-dd"));
}

} // namespace

TEST(TemperatureDataModel, NewManagerIsEmptyAndAdmittedToday)
{
    _TemperatureData chart(nullptr);
    EXPECT_TRUE(chart.Days.empty());
    EXPECT_TRUE(chart.GetDocumentText().isEmpty());
    EXPECT_TRUE(chart.Title.isEmpty() && chart.Operator.isEmpty() && chart.DatabaseKind.isEmpty());
    EXPECT_TRUE(chart.PatientID.isEmpty() && chart.SerialNumber.isEmpty());
    EXPECT_EQ(chart.InHospitalDate, today());
}

TEST(TemperatureDataModel, ResetPatientKeepsDaysAndInstallationValues)
{
    _TemperatureData chart(nullptr);
    chart.Days["2015-03-02"].Date = "2015-03-02";
    chart.Title = "t";
    chart.Operator = "admin";
    chart.PatientID = "P1";
    chart.Name = QStringLiteral("张三");
    chart.InHospitalDate = "2015-03-01";
    chart.OutHospitalDate = "2015-03-09";

    chart.ResetPatient();
    EXPECT_EQ(chart.Days.size(), 1u);
    EXPECT_EQ(chart.Title, "t");
    EXPECT_EQ(chart.Operator, "admin");
    EXPECT_TRUE(chart.PatientID.isEmpty() && chart.Name.isEmpty());
    EXPECT_TRUE(chart.OutHospitalDate.isEmpty());
    EXPECT_EQ(chart.InHospitalDate, today());

    chart.ClearDays();
    EXPECT_TRUE(chart.Days.empty());
}

TEST(TemperatureDataModel, SetDocumentTextReadsAgainstTheOpenPatient)
{
    _TemperatureData chart(nullptr);
    chart.PatientID = "P1";
    chart.SerialNumber = "S1";
    TemperatureDataMap days;
    days["2015-03-02"].Date = "2015-03-02";
    const QByteArray document = DocumentWriter("P1", "S1", days);

    EXPECT_TRUE(chart.SetDocumentText(document));
    EXPECT_EQ(chart.Days, days);
    EXPECT_EQ(chart.GetDocumentText(), document);

    EXPECT_FALSE(chart.SetDocumentText(DocumentWriter("P1", "S2", days)));
    EXPECT_TRUE(chart.Days.empty());

    chart.Days = days;
    EXPECT_FALSE(chart.SetDocumentText(QByteArray()));
    EXPECT_TRUE(chart.Days.empty());
    EXPECT_TRUE(chart.GetDocumentText().isEmpty());
}

TEST(TemperatureDataModel, WeekCount)
{
    const struct {
        std::vector<QString> keys;
        int weeks;
        bool ok;
    } cases[] = {
        {{}, 0, true},
        {{"2015-03-02"}, 1, true},
        {{"2015-03-01", "2015-03-07"}, 1, true},
        {{"2015-03-01", "2015-03-08"}, 2, true},
        {{"2015-03-01", "2015-03-15"}, 3, true},
        {{"2015-02-26", "2015-03-01", "2015-03-04"}, 1, true},
        {{"2015-02-26", "2015-03-05"}, 2, true},
        {{"", "2015-03-01", "2015-03-15"}, 0, true},
        {{"2015-03-01", "someday"}, 0, false},
        {{"2015-02-30", "2015-03-01"}, 0, false},
    };
    for (const auto& c : cases) {
        _TemperatureData chart(nullptr);
        for (const QString& key : c.keys)
            chart.Days[key].Date = key;
        bool ok = !c.ok;
        EXPECT_EQ(chart.WeekCount(&ok), c.weeks) << c.keys.size();
        EXPECT_EQ(ok, c.ok) << c.keys.size();
    }
}
