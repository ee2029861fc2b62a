#include "chart/ChartFile.h"

#include "chart/ChartDocument.h"
#include "chart/ChartRow.h"
#include "chart/PatientBaseInfo.h"
#include "chart/_temperaturedata.h"
#include "chart/_xmlutil.h"

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

// Why `text`, which the reader refused, is no chart document at all, in the
// parser's words; "" for a whole document that names another patient or admission.
QString DocumentDamage(const QByteArray& text, const _TemperatureData& chart)
{
    if (text.isEmpty())
        return QStringLiteral("文件是空的");
    xmlResetLastError();
    const XmlDocPtr doc = LoadXmlText(text);
    if (!doc) {
        const xmlError* error = xmlGetLastError();
        return error && error->message ? QStringLiteral("第%1行：%2")
                                             .arg(error->line)
                                             .arg(QString::fromUtf8(error->message).trimmed())
                                       : QStringLiteral("不是XML文本");
    }
    const xmlNode* root = xmlDocGetRootElement(doc.get());
    if (!root || xmlStrcmp(root->name, reinterpret_cast<const xmlChar*>("Root")) != 0)
        return QStringLiteral("没有体温单数据的根元素Root");
    if (GetAttributeText(root, "PatientID") == chart.PatientID &&
        GetAttributeText(root, "SerialNumber") == chart.SerialNumber)
        return QStringLiteral("体温单数据的内容无法读取");
    return {};
}

ChartFileResult Refused(const QByteArray& text, const _TemperatureData& chart)
{
    const QString damage = DocumentDamage(text, chart);
    if (!damage.isEmpty())
        return Failed(
            QStringLiteral("此文件已损坏或不是体温单数据文件（%1），没有导入，原有数据未改变!")
                .arg(damage));
    return Failed(QStringLiteral("此文件不是该病人本次住院（住院号 %1）的体温单数据，"
                                 "没有导入，原有数据未改变!")
                      .arg(chart.SerialNumber));
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
        return Refused(text, chart);
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
