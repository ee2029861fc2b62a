#include "chart/ChartFile.h"

#include "chart/ChartDocument.h"
#include "chart/ChartRow.h"
#include "chart/PatientBaseInfo.h"
#include "chart/_temperaturedata.h"

#include <QFile>
#include <QSaveFile>

namespace kelvaro
{

namespace
{

ChartFileResult Failed(const QString& message)
{
    return {false, message};
}

// A chart file's text ends at its first zero byte.
bool ReadChartText(const QString& path, QByteArray& text, QString& error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        error = QStringLiteral("不能读取文件 %1：%2").arg(path, file.errorString());
        return false;
    }
    text = file.readAll();
    const qsizetype end = text.indexOf('\0');
    if (end >= 0)
        text.truncate(end);
    return true;
}

bool WriteChartText(const QString& path, const QByteArray& text, QString& error)
{
    QSaveFile file(path);
    if (file.open(QIODevice::WriteOnly) && file.write(text) == text.size() && file.commit())
        return true;
    error = QStringLiteral("不能写入文件 %1：%2").arg(path, file.errorString());
    return false;
}

} // namespace

ChartFileResult ExportChartFile(Database& db, _TemperatureData& chart, const QString& patientId,
                                const QString& path)
{
    QString error;
    if (!OpenPatientChart(db, chart, patientId, &error))
        return Failed(error);
    if (chart.GetDocumentText().isEmpty())
        return Failed(QStringLiteral("从数据库读取体温单数据失败，请重试!"));
    if (!WriteChartText(path, chart.GetDocumentText(), error))
        return Failed(error);
    return {true, QStringLiteral("数据导出成功!")};
}

ChartFileResult ImportChartFile(Database& db, _TemperatureData& chart, const QString& patientId,
                                const QString& path)
{
    QString error;
    QByteArray text;
    if (!OpenPatientChart(db, chart, patientId, &error) || !ReadChartText(path, text, error))
        return Failed(error);
    TemperatureDataMap days;
    if (!DocumentReader(text, chart.PatientID, chart.SerialNumber, days))
        return Failed(QStringLiteral("此文件不是该病人本次住院（住院号 %1）的体温单数据，"
                                     "没有导入，原有数据未改变!")
                          .arg(chart.SerialNumber));
    const QByteArray document = DocumentWriter(chart.PatientID, chart.SerialNumber, days);
    const ChartStoreResult stored =
        UpdateStoredChart(db, chart, [&document](const QByteArray&, QByteArray& next, QString&) {
            next = document;
            return true;
        });
    if (!stored.stored)
        return Failed(QStringLiteral("保存体温单数据失败，错误原因：") + stored.reason);
    chart.SetDocumentText(stored.document);
    return {true, QStringLiteral("数据导入成功!")};
}

} // namespace kelvaro
