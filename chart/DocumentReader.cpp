#include "chart/ChartDocument.h"

#include "chart/DocumentFields.h"
#include "chart/_xmlutil.h"
#include "common/ErrorLog.h"

#include <algorithm>
#include <exception>
#include <vector>

namespace kelvaro
{

namespace
{

// libxml2 keeps a white-space-only text node in an element without other
// children (the writer's empty log, the root of an empty document); it is
// layout, not content, and must not count as a day, a slot or a log entry.
bool IsLayout(const xmlNode* node)
{
    return node->type == XML_TEXT_NODE && xmlIsBlankNode(node);
}

std::vector<xmlNode*> ContentChildren(xmlNode* parent)
{
    std::vector<xmlNode*> children;
    for (xmlNode* child = parent ? parent->children : nullptr; child; child = child->next) {
        if (!IsLayout(child))
            children.push_back(child);
    }
    return children;
}

// Position alone decides the slot: names and Order of the children are not looked at.
void ReadSlots(xmlNode* temperature, TemperatureData& day)
{
    const std::vector<xmlNode*> children = ContentChildren(temperature);
    const size_t count = std::min(children.size(), size_t(SlotCount));
    for (size_t slot = 0; slot < count; ++slot) {
        for (const SlotField& field : SlotFields)
            (day.*field.texts)[slot] = GetAttributeText(children[slot], field.name);
    }
}

void ReadDailyValues(xmlNode* dayNode, TemperatureData& day)
{
    for (const DailyField& field : DailyFields) {
        const QString path = QStringLiteral("OtherData|") + QLatin1String(field.name);
        day.*field.text = GetAttributeText(FindNodeByPath(dayNode, path), "Value");
    }
}

void ReadLog(xmlNode* log, OperationLogInfoVec& entries)
{
    for (const xmlNode* child : ContentChildren(log)) {
        entries.push_back({GetAttributeText(child, "Type"), GetAttributeText(child, "Date"),
                           GetAttributeText(child, "Operator")});
    }
}

TemperatureData ReadDay(xmlNode* dayNode)
{
    TemperatureData day;
    day.Date = GetAttributeText(dayNode, "Date");
    ReadSlots(FindNodeByPath(dayNode, QStringLiteral("Temperature")), day);
    ReadDailyValues(dayNode, day);
    ReadLog(FindNodeByPath(dayNode, QStringLiteral("OperationLog")), day.OperationLog);
    return day;
}

// A document of another patient or admission is never read. A repeated day
// stops the reading; the first of the two stays.
bool ReadDays(xmlDoc* doc, const QString& patientId, const QString& serialNumber,
              TemperatureDataMap& days)
{
    xmlNode* root = xmlDocGetRootElement(doc);
    if (!root || GetAttributeText(root, "PatientID") != patientId ||
        GetAttributeText(root, "SerialNumber") != serialNumber)
        return false;
    for (xmlNode* child : ContentChildren(root)) {
        if (child->type == XML_COMMENT_NODE)
            continue;
        TemperatureData day = ReadDay(child);
        const QString key = day.Date;
        if (!days.try_emplace(key, std::move(day)).second)
            return false;
    }
    return true;
}

} // namespace

bool DocumentReader(const QByteArray& text, const QString& patientId, const QString& serialNumber,
                    TemperatureDataMap& days)
{
    days.clear();
    const XmlDocPtr doc = LoadXmlText(text);
    if (!doc)
        return false;
    try {
        return ReadDays(doc.get(), patientId, serialNumber, days);
    } catch (const std::exception& error) {
        LogError(QStringLiteral("设置体温单数据失败，错误原因：") +
                 QString::fromLocal8Bit(error.what()));
        return false;
    }
}

} // namespace kelvaro
