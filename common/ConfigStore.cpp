#include "common/ConfigStore.h"

#include "common/CarriableText.h"
#include "common/CodePage.h"

#include <QSaveFile>
#include <QStringList>
#include <libxml/parser.h>
#include <libxml/tree.h>
#include <memory>

namespace kelvaro
{

namespace
{

constexpr const char* configFile = "AppConfig.xml";
constexpr int parseOptions = XML_PARSE_NONET | XML_PARSE_NOERROR | XML_PARSE_NOWARNING;

struct DocFree {
    void operator()(xmlDoc* doc) const { xmlFreeDoc(doc); }
};
using Document = std::unique_ptr<xmlDoc, DocFree>;

struct TextFree {
    void operator()(xmlChar* text) const { xmlFree(text); }
};
using XmlText = std::unique_ptr<xmlChar, TextFree>;

const xmlChar* AsXml(const QByteArray& utf8)
{
    return reinterpret_cast<const xmlChar*>(utf8.constData());
}

QString FromXml(const xmlChar* utf8)
{
    return QString::fromUtf8(reinterpret_cast<const char*>(utf8));
}

Document LoadConfig()
{
    UseCodePageForXml();
    // Blank text nodes stay, so that saving gives back the file's own layout.
    return Document(xmlReadFile(configFile, nullptr, parseOptions));
}

QString QualifiedName(const xmlNode* node)
{
    const QString name = FromXml(node->name);
    return node->ns && node->ns->prefix ? FromXml(node->ns->prefix) + u':' + name : name;
}

xmlNode* FirstChildNamed(xmlNode* parent, const QString& name)
{
    for (xmlNode* child = parent->children; child; child = child->next) {
        if (child->type == XML_ELEMENT_NODE && QualifiedName(child) == name)
            return child;
    }
    return nullptr;
}

// Never creates an element: a path that is not there finds nothing.
xmlNode* FindElement(xmlDoc* doc, const QString& path)
{
    xmlNode* node = xmlDocGetRootElement(doc);
    for (const QString& name : path.split(u'|')) {
        if (!node)
            return nullptr;
        node = FirstChildNamed(node, name);
    }
    return node;
}

// Characters XML 1.0 forbids would make the saved file unreadable; they are left out.
QByteArray XmlValue(const QString& value)
{
    return CarriableText(value).toUtf8();
}

QByteArray Dumped(xmlDoc* doc, const char* encoding)
{
    xmlChar* text = nullptr;
    int size = 0;
    // Without reformatting; the declaration names `encoding`.
    xmlDocDumpMemoryEnc(doc, &text, &size, encoding);
    const XmlText owned(text);
    return text ? QByteArray(reinterpret_cast<const char*>(text), size) : QByteArray();
}

// In the document's declared encoding when that text reads back as the same
// document; otherwise in UTF-8. Some encoding names reach a converter that
// silently drops what it cannot encode (encoding="GB2.312" loses 喆).
QByteArray SavedText(xmlDoc* doc)
{
    const QByteArray utf8 = Dumped(doc, "UTF-8");
    const QByteArray declared = Dumped(doc, reinterpret_cast<const char*>(doc->encoding));
    const Document reread(
        xmlReadMemory(declared.constData(), int(declared.size()), nullptr, nullptr, parseOptions));
    return reread && Dumped(reread.get(), "UTF-8") == utf8 ? declared : utf8;
}

bool SaveConfig(xmlDoc* doc)
{
    const QByteArray text = SavedText(doc);
    if (text.isEmpty())
        return false;
    // Written aside and renamed into place: a failed save leaves the old file whole.
    QSaveFile file(QString::fromLatin1(configFile));
    return file.open(QIODevice::WriteOnly) && file.write(text) == text.size() && file.commit();
}

} // namespace

QString ReadConfig(const QString& path, const QString& attribute)
{
    if (path.isEmpty() || attribute.isEmpty())
        return {};
    const Document doc = LoadConfig();
    xmlNode* element = doc ? FindElement(doc.get(), path) : nullptr;
    if (!element)
        return {};
    const XmlText value(xmlGetProp(element, AsXml(attribute.toUtf8())));
    return value ? FromXml(value.get()) : QString();
}

bool WriteConfig(const QString& path, const QString& attribute, const QString& value)
{
    const QByteArray name = attribute.toUtf8();
    // A name that is no XML name would leave a file that no longer parses.
    if (path.isEmpty() || xmlValidateName(AsXml(name), 0) != 0)
        return false;
    const Document doc = LoadConfig();
    xmlNode* element = doc ? FindElement(doc.get(), path) : nullptr;
    if (!element || !xmlSetProp(element, AsXml(name), AsXml(XmlValue(value))))
        return false;
    return SaveConfig(doc.get());
}

} // namespace kelvaro
