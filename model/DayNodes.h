#pragma once
#include <QByteArray>
#include <libxml/tree.h>
#include <libxml/xmlreader.h>
#include <memory>

namespace kelvaro
{

// Walks the days of a chart document while it is parsed, so that only one day
// is ever held as nodes: every child of the document element except comments
// and layout white space is a day.
class DayNodes
{
public:
    explicit DayNodes(const QByteArray& text);

    // The document element with its attributes (its children are not parsed
    // yet); null when the text has none.
    const xmlNode* Root() const { return root_; }
    // The next day, whole when `expand`, else only its start; null after the
    // last one. A day lives until the next call.
    xmlNode* Next(bool expand);
    // Parses the rest of the text; false when the text is not a well-formed
    // document, whatever was read of it.
    bool WellFormed();

private:
    struct ReaderFree {
        void operator()(xmlTextReader* reader) const { xmlFreeTextReader(reader); }
    };
    bool SkipsLayout();

    std::unique_ptr<xmlTextReader, ReaderFree> reader_;
    xmlNode* root_ = nullptr;
    int status_ = -1; // of the last step: 1 on a node, 0 at the end, -1 broken
    bool started_ = false;
};

} // namespace kelvaro
