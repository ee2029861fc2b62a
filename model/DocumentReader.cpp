#include "model/ChartDocument.h"

#include "common/ErrorLog.h"
#include "model/DayNodes.h"
#include "model/DocumentFields.h"
#include "model/_xmlutil.h"

#include <QSet>

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

// Values repeat all over a chart (the same temperatures, "FALSE", the same
// nurses' names): each is held once and shared by every day that has it.
class SharedTexts
{
public:
    QString operator()(const xmlNode* node, const char* name)
    {
        const QString value = GetAttributeText(node, name);
        if (value.isEmpty())
            return value;
        const auto known = texts_.constFind(value);
        if (known != texts_.cend())
            return *known;
        texts_.insert(value);
        return value;
    }

private:
    QSet<QString> texts_;
};

// Position alone decides the slot: names and Order of the children are not looked at.
void ReadSlots(xmlNode* temperature, TemperatureData& day, SharedTexts& text)
{
    const std::vector<xmlNode*> children = ContentChildren(temperature);
    const size_t count = std::min(children.size(), size_t(SlotCount));
    for (size_t slot = 0; slot < count; ++slot) {
        for (const SlotField& field : SlotFields)
            (day.*field.texts)[slot] = text(children[slot], field.name);
    }
}

void ReadDailyValues(xmlNode* dayNode, TemperatureData& day, SharedTexts& text)
{
    for (const DailyField& field : DailyFields) {
        const QString path = QStringLiteral("OtherData|") + QLatin1String(field.name);
        day.*field.text = text(FindNodeByPath(dayNode, path), "Value");
    }
}

void ReadLog(xmlNode* log, OperationLogInfoVec& entries, SharedTexts& text)
{
    for (const xmlNode* child : ContentChildren(log))
        entries.push_back({text(child, "Type"), text(child, "Date"), text(child, "Operator")});
}

TemperatureData ReadDay(xmlNode* dayNode, SharedTexts& text)
{
    TemperatureData day;
    day.Date = GetAttributeText(dayNode, "Date");
    ReadSlots(FindNodeByPath(dayNode, QStringLiteral("Temperature")), day, text);
    ReadDailyValues(dayNode, day, text);
    ReadLog(FindNodeByPath(dayNode, QStringLiteral("OperationLog")), day.OperationLog, text);
    return day;
}

// A document of another patient or admission is never read. A repeated day
// stops the reading; the first of the two stays.
bool ReadDays(DayNodes& nodes, const QString& patientId, const QString& serialNumber,
              TemperatureDataMap& days)
{
    const xmlNode* root = nodes.Root();
    if (!root || GetAttributeText(root, "PatientID") != patientId ||
        GetAttributeText(root, "SerialNumber") != serialNumber)
        return false;
    SharedTexts text;
    while (xmlNode* node = nodes.Next(true)) {
        TemperatureData day = ReadDay(node, text);
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
    // The document is read as it is parsed, one day at a time: a long chart
    // is never held as nodes.
    DayNodes nodes(text);
    bool whole = false;
    try {
        whole = ReadDays(nodes, patientId, serialNumber, days);
    } catch (const std::exception& error) {
        LogError(QStringLiteral("设置体温单数据失败，错误原因：") +
                 QString::fromLocal8Bit(error.what()));
    }
    // A text that is not well-formed is no document: none of it is read.
    if ((whole || !days.empty()) && !nodes.WellFormed()) {
        days.clear();
        return false;
    }
    return whole;
}

bool HasMoreDaysThan(const QByteArray& text, qsizetype limit)
{
    DayNodes nodes(text);
    qsizetype count = 0;
    while (nodes.Next(false)) {
        if (++count > limit)
            return true;
    }
    return false;
}

} // namespace kelvaro
