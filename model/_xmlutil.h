#pragma once
#include <QString>
#include <libxml/tree.h>

namespace kelvaro
{

// Follows `path`, element names separated by "|", from `start`: each step takes
// the first child element of exactly that name. Null when a step finds nothing.
xmlNode* FindNodeByPath(xmlNode* start, const QString& path);

// The attribute's value; "" when the node or the attribute is missing.
QString GetAttributeText(const xmlNode* node, const char* name);

} // namespace kelvaro
