#include "model/DayNodes.h"

#include "common/CodePage.h"

#include <libxml/parser.h>

namespace kelvaro
{

DayNodes::DayNodes(const QByteArray& text)
{
    if (text.isEmpty())
        return;
    UseCodePageForXml();
    constexpr int options =
        XML_PARSE_NOBLANKS | XML_PARSE_NONET | XML_PARSE_NOERROR | XML_PARSE_NOWARNING;
    reader_.reset(
        xmlReaderForMemory(text.constData(), int(text.size()), nullptr, nullptr, options));
    if (!reader_)
        return;
    while ((status_ = xmlTextReaderRead(reader_.get())) == 1) {
        if (xmlTextReaderNodeType(reader_.get()) == XML_READER_TYPE_ELEMENT) {
            root_ = xmlTextReaderCurrentNode(reader_.get());
            return;
        }
    }
}

xmlNode* DayNodes::Next(bool expand)
{
    if (!root_ || status_ != 1)
        return nullptr;
    xmlTextReader* reader = reader_.get();
    if (started_) {
        status_ = xmlTextReaderNext(reader);
    } else {
        started_ = true;
        if (xmlTextReaderIsEmptyElement(reader))
            return nullptr; // "<Root .../>": no days; the rest is still to be parsed
        status_ = xmlTextReaderRead(reader);
    }
    for (; status_ == 1; status_ = xmlTextReaderNext(reader)) {
        if (xmlTextReaderDepth(reader) != 1)
            return nullptr; // the end of the document element
        if (!SkipsLayout())
            break;
    }
    if (status_ != 1)
        return nullptr;
    xmlNode* day = expand ? xmlTextReaderExpand(reader) : xmlTextReaderCurrentNode(reader);
    if (!day)
        status_ = -1;
    return day;
}

// Comments are no days; libxml2 reports white space between elements as nodes
// of their own, which are layout.
bool DayNodes::SkipsLayout()
{
    switch (xmlTextReaderNodeType(reader_.get())) {
    case XML_READER_TYPE_COMMENT:
    case XML_READER_TYPE_WHITESPACE:
    case XML_READER_TYPE_SIGNIFICANT_WHITESPACE:
        return true;
    default:
        return false;
    }
}

bool DayNodes::WellFormed()
{
    while (status_ == 1)
        status_ = xmlTextReaderRead(reader_.get());
    return status_ == 0;
}

} // namespace kelvaro
