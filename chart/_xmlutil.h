#pragma once
#include <QByteArray>
#include <QString>
#include <libxml/tree.h>
#include <memory>

namespace kelvaro
{

struct XmlDocFree {
    void operator()(xmlDoc* doc) const { xmlFreeDoc(doc); }
};
using XmlDocPtr = std::unique_ptr<xmlDoc, XmlDocFree>;

// Parses a document text; none when the text is empty or not well-formed.
// Documents declared "GB2312" are decoded as GB18030. White space between
// elements is dropped where libxml2 can tell it is not content.
XmlDocPtr LoadXmlText(const QByteArray& text);

// Follows `path`, element names separated by "|", from `start`: each step takes
// the first child element of exactly that name. Null when a step finds nothing.
xmlNode* FindNodeByPath(xmlNode* start, const QString& path);

// The attribute's value; "" when the node or the attribute is missing.
QString GetAttributeText(const xmlNode* node, const char* name);

} // namespace kelvaro
