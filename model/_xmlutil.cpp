#include "model/_xmlutil.h"

#include <QStringList>
#include <memory>

namespace kelvaro
{

namespace
{

struct XmlCharFree {
    void operator()(xmlChar* text) const { xmlFree(text); }
};

xmlNode* ChildElementNamed(xmlNode* parent, const QByteArray& name)
{
    const auto* wanted = reinterpret_cast<const xmlChar*>(name.constData());
    for (xmlNode* child = parent->children; child; child = child->next) {
        if (child->type == XML_ELEMENT_NODE && xmlStrEqual(child->name, wanted))
            return child;
    }
    return nullptr;
}

} // namespace

xmlNode* FindNodeByPath(xmlNode* start, const QString& path)
{
    xmlNode* node = start;
    for (const QString& step : path.split(QLatin1Char('|'))) {
        if (!node)
            break;
        node = ChildElementNamed(node, step.toUtf8());
    }
    return node;
}

QString GetAttributeText(const xmlNode* node, const char* name)
{
    if (!node)
        return {};
    const std::unique_ptr<xmlChar, XmlCharFree> value(
        xmlGetProp(node, reinterpret_cast<const xmlChar*>(name)));
    return value ? QString::fromUtf8(reinterpret_cast<const char*>(value.get())) : QString();
}

} // namespace kelvaro
