#include "model/ChartDocument.h"

#include "common/CarriableText.h"
#include "common/CodePage.h"
#include "model/DocumentFields.h"

#include <QStringList>

namespace kelvaro
{

namespace
{

// & < " as entities; line ends and tabs as character references, because a
// parser turns them into blanks inside attribute values; characters XML does
// not allow are left out, so that the reader gives back what was written.
QString Escaped(const QString& value)
{
    QString out;
    out.reserve(value.size());
    for (const QChar c : CarriableText(value)) {
        if (c == u'&')
            out += QStringLiteral("&amp;");
        else if (c == u'<')
            out += QStringLiteral("&lt;");
        else if (c == u'"')
            out += QStringLiteral("&quot;");
        else if (c == u'\n')
            out += QStringLiteral("&#10;");
        else if (c == u'\r')
            out += QStringLiteral("&#13;");
        else if (c == u'\t')
            out += QStringLiteral("&#9;");
        else
            out += c;
    }
    return out;
}

QString Attribute(const char* name, const QString& value)
{
    return QStringLiteral(" %1=\"%2\"").arg(QLatin1String(name), Escaped(value));
}

QString SlotLine(const TemperatureData& day, int slot)
{
    QString line = QStringLiteral("\t\t\t<Data Order=\"") + QString::number(slot) + u'"';
    for (const SlotField& field : SlotFields)
        line += Attribute(field.name, (day.*field.texts)[size_t(slot)]);
    return line + QStringLiteral(" />");
}

QString DailyLine(const TemperatureData& day, const DailyField& field)
{
    return QStringLiteral("\t\t\t<") + QLatin1String(field.name) +
           Attribute("Value", day.*field.text) + QStringLiteral(" />");
}

QString LogLine(const OperationLogInfo& entry)
{
    return QStringLiteral("\t\t\t<Item") + Attribute("Type", entry.Type) +
           Attribute("Date", entry.Date) + Attribute("Operator", entry.Operator) +
           QStringLiteral(" />");
}

// The key, not the record's own Date, names the group: the reader files the
// day under that attribute, so the document reads back into the same map.
QString DayText(const QString& key, const TemperatureData& day)
{
    QStringList lines;
    lines << QStringLiteral("\t<Group") + Attribute("Date", key) + QStringLiteral(" >");
    lines << QStringLiteral("\t\t<Temperature>");
    for (int slot = 0; slot < SlotCount; ++slot)
        lines << SlotLine(day, slot);
    lines << QStringLiteral("\t\t</Temperature>");
    lines << QStringLiteral("\t\t<OtherData>");
    for (const DailyField& field : DailyFields)
        lines << DailyLine(day, field);
    lines << QStringLiteral("\t\t</OtherData>");
    lines << QStringLiteral("\t\t<OperationLog>");
    for (const OperationLogInfo& entry : day.OperationLog)
        lines << LogLine(entry);
    lines << QStringLiteral("\t\t</OperationLog>");
    lines << QStringLiteral("\t</Group>");
    return lines.join(u'\n');
}

} // namespace

// Encoded day by day: a long chart is never held whole as characters.
QByteArray DocumentWriter(const QString& patientId, const QString& serialNumber,
                          const TemperatureDataMap& days)
{
    QByteArray document =
        ToCodePage(QStringLiteral("<?xml version=\"1.0\" encoding=\"GB2312\"?>\n\t<Root") +
                   Attribute("PatientID", patientId) + Attribute("SerialNumber", serialNumber) +
                   QStringLiteral(" >"));
    for (const auto& [key, day] : days) {
        document += '\n';
        document += ToCodePage(DayText(key, day));
    }
    document += "\n\t</Root>";
    document.squeeze();
    return document;
}

} // namespace kelvaro
