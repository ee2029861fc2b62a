#include "app/Commands.h"

#include "app/CommandPatient.h"
#include "chart/ChartFile.h"

#include <QTextStream>

#include <functional>
#include <map>

namespace kelvaro
{

namespace
{

using ChartFileAction = std::function<ChartFileResult(Database&, _TemperatureData&,
                                                      const QString& patientId, const QString&)>;

int Fail(const QString& message)
{
    QTextStream(stderr) << "kelvaro: " << message << "\n";
    return 1;
}

// "--serial SN --out FILE": every option with its value, each given once.
bool ParseOptions(const QStringList& args, const QStringList& names,
                  std::map<QString, QString>& values, QString& error)
{
    for (qsizetype i = 0; i < args.size(); i += 2) {
        const QString& name = args.at(i);
        if (!names.contains(name) || values.count(name)) {
            error = QStringLiteral("unexpected argument %1").arg(name);
            return false;
        }
        if (i + 1 >= args.size() || args.at(i + 1).isEmpty()) {
            error = QStringLiteral("%1 needs a value").arg(name);
            return false;
        }
        values[name] = args.at(i + 1);
    }
    for (const QString& name : names) {
        if (!values.count(name)) {
            error = QStringLiteral("missing %1").arg(name);
            return false;
        }
    }
    return true;
}

// The commands act as the administrator, who alone may import and export.
int RunChartFileCommand(const QStringList& args, const QString& fileOption,
                        const ChartFileAction& action)
{
    std::map<QString, QString> values;
    QString error;
    if (!ParseOptions(args, {QStringLiteral("--serial"), fileOption}, values, error))
        return Fail(error);
    CommandPatient target;
    if (!OpenCommandPatient(values[QStringLiteral("--serial")], target, error))
        return Fail(error);
    target.chart.Operator = QStringLiteral("admin");
    const ChartFileResult result =
        action(target.db, target.chart, target.patientId, values[fileOption]);
    if (!result.ok)
        return Fail(result.message);
    QTextStream(stdout) << result.message << "\n";
    return 0;
}

} // namespace

int RunExportCommand(const QStringList& args)
{
    return RunChartFileCommand(args, QStringLiteral("--out"), ExportChartFile);
}

int RunImportCommand(const QStringList& args)
{
    return RunChartFileCommand(args, QStringLiteral("--in"), ImportChartFile);
}

} // namespace kelvaro
