#include "chart/ChartFile.h"

#include "chart/ChartRow.h"
#include "chart/PatientBaseInfo.h"
#include "chart/_temperaturedata.h"
#include "model/ChartDocument.h"
#include "model/DayNodes.h"
#include "model/_xmlutil.h"

#include <QFile>
#include <QSaveFile>

#include <libxml/xmlerror.h>

namespace kelvaro
{

namespace
{

ChartFileResult Failed(const QString& message)
{
    return {false, message};
}

// A hundred years of days is beyond any stay, and a chart file of more than
// 64 MiB beyond any chart: such files are refused before they are read whole.
constexpr qint64 MaxChartFileBytes = 64 * 1024 * 1024;
constexpr qsizetype MaxChartDays = 36600;

QString NotImported(const QString& reason)
{
    return reason + QStringLiteral("，没有导入，原有数据未改变!");
}

// Why `text`, which the reader refused, is no chart document at all, in the
// parser's words; "" for a whole document that names another patient or admission.
QString DocumentDamage(const QByteArray& text, const _TemperatureData& chart)
{
    if (text.isEmpty())
        return QStringLiteral("文件是空的");
    xmlResetLastError();
    DayNodes nodes(text);
    // The root's attributes are read before the rest of the text is parsed past it.
    const xmlNode* root = nodes.Root();
    const bool isChart =
        root && xmlStrcmp(root->name, reinterpret_cast<const xmlChar*>("Root")) == 0;
    const bool sameChart = isChart && GetAttributeText(root, "PatientID") == chart.PatientID &&
                           GetAttributeText(root, "SerialNumber") == chart.SerialNumber;
    if (!nodes.WellFormed()) {
        const xmlError* error = xmlGetLastError();
        return error && error->message ? QStringLiteral("第%1行：%2")
                                             .arg(error->line)
                                             .arg(QString::fromUtf8(error->message).trimmed())
                                       : QStringLiteral("不是XML文本");
    }
    if (!isChart)
        return QStringLiteral("没有体温单数据的根元素Root");
    if (sameChart)
        return QStringLiteral("体温单数据的内容无法读取");
    return {};
}

QString RefusalReason(const QByteArray& text, const _TemperatureData& chart)
{
    const QString damage = DocumentDamage(text, chart);
    if (!damage.isEmpty())
        return NotImported(QStringLiteral("此文件已损坏或不是体温单数据文件（%1）").arg(damage));
    return NotImported(QStringLiteral("此文件不是该病人本次住院（住院号 %1）的体温单数据")
                           .arg(chart.SerialNumber));
}

// A chart file's text ends at its first zero byte. The file is read in pieces
// up to the bound: not every file tells its size beforehand.
bool ReadChartText(const QString& path, QByteArray& text, QString& error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        error = QStringLiteral("不能读取文件 %1：%2").arg(path, file.errorString());
        return false;
    }
    if (file.size() <= MaxChartFileBytes) {
        text.reserve(file.size());
        QByteArray piece;
        while (text.size() <= MaxChartFileBytes && !(piece = file.read(1 << 20)).isEmpty())
            text += piece;
    }
    if (file.size() > MaxChartFileBytes || text.size() > MaxChartFileBytes) {
        error = NotImported(QStringLiteral("此文件大于 %1 MiB，超出任何体温单的大小")
                                .arg(MaxChartFileBytes / (1024 * 1024)));
        return false;
    }
    const qsizetype end = text.indexOf('\0');
    if (end >= 0)
        text.truncate(end);
    return true;
}

// The file's days as a fresh document of the chart's patient and admission;
// false with the message for the user when the file is refused.
bool ImportedDocument(const QString& path, const _TemperatureData& chart, QByteArray& document,
                      QString& error)
{
    QByteArray text;
    if (!ReadChartText(path, text, error))
        return false;
    if (HasMoreDaysThan(text, MaxChartDays)) {
        error = NotImported(
            QStringLiteral("此文件的体温单多于 %1 天，超出任何住院的长度").arg(MaxChartDays));
        return false;
    }
    TemperatureDataMap days;
    if (!DocumentReader(text, chart.PatientID, chart.SerialNumber, days)) {
        error = RefusalReason(text, chart);
        return false;
    }
    text = QByteArray(); // read: only the days are needed now
    document = DocumentWriter(chart.PatientID, chart.SerialNumber, days);
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
    QByteArray document;
    if (!OpenPatientChart(db, chart, patientId, &error) ||
        !ImportedDocument(path, chart, document, error))
        return Failed(error);
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
