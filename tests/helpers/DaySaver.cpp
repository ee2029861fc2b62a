// Saves days of one patient's chart in a loop, as the entry dialog does, and
// prints the number of each save once it is stored, until it is killed. It
// goes on from the last save the chart holds. The kill test runs it.
//
//   test_day_saver DATABASE_FILE PATIENT_ID
#include "SavedDays.h"

#include "chart/DaySave.h"
#include "chart/PatientBaseInfo.h"
#include "chart/_temperaturedata.h"
#include "common/ProgramHome.h"
#include "db/Database.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QTextStream>

using namespace kelvaro;

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 3)
        return 2;
    const QFileInfo file(args.at(1));
    QTextStream err(stderr);
    ConnectionSettings settings;
    settings.file = file.absoluteFilePath();
    Database db;
    QString error;
    _TemperatureData chart(&db);
    chart.DatabaseKind = QStringLiteral("Access");
    chart.Operator = test::SaverOperator;
    if (!EnterProgramHome(file.absolutePath()) || !db.Open(settings, &error) ||
        !OpenPatientChart(db, chart, args.at(2), &error)) {
        err << "cannot open the chart: " << error << "\n";
        return 1;
    }
    QTextStream out(stdout);
    for (int save = test::LastSave(chart.Days) + 1;; ++save) {
        const ChartStoreResult result =
            SaveDay(db, chart, test::SavedDay(save), test::SaverOperator, test::SaveTime(save));
        if (!result.stored) {
            err << "save " << save << " failed: " << result.reason << "\n";
            return 1;
        }
        out << save << Qt::endl;
    }
}
