// The configuration store on any "AppConfig.xml". The input is the file; after
// its first zero byte come, one a line up to the next zero byte, an element
// path, an attribute, a value and a second attribute of that element (names
// the program gives are plain text, without zero characters). Reading never fails hard; a value
// written reads back as written (less the characters XML cannot hold), and
// the second attribute keeps its value.
#include "FuzzCheck.h"

#include "common/ConfigStore.h"

#include <QDir>
#include <QFile>
#include <QStringList>
#include <QTemporaryDir>
#include <libxml/xmlerror.h>

using namespace kelvaro;

namespace
{

// libxml2 reports a value the file's encoding cannot hold on stderr, and the
// save fails; thousands of such reports would hide what the fuzzer says.
void Quiet(void*, const char*, ...) {}

// The characters XML 1.0 allows.
QString XmlCharacters(const QString& value)
{
    QString kept;
    for (const char32_t c : value.toUcs4()) {
        if (c == 0x9 || c == 0xA || c == 0xD || (c >= 0x20 && c <= 0xD7FF) ||
            (c >= 0xE000 && c <= 0xFFFD) || (c >= 0x10000 && c <= 0x10FFFF))
            kept += QString::fromUcs4(&c, 1);
    }
    return kept;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    // The store works on the file of the working directory.
    static QTemporaryDir home;
    static const bool entered = QDir::setCurrent(home.path());
    FUZZ_CHECK(entered);
    xmlSetGenericErrorFunc(nullptr, Quiet);

    const QByteArray input(reinterpret_cast<const char*>(data), qsizetype(size));
    const qsizetype split = input.indexOf('\0');
    QByteArray control = split < 0 ? QByteArray() : input.mid(split + 1);
    if (const qsizetype end = control.indexOf('\0'); end >= 0)
        control.truncate(end);
    QStringList words = QString::fromUtf8(control).split(u'\n');
    while (words.size() < 4)
        words << QString();
    const QString &path = words[0], &attribute = words[1], &value = words[2], &other = words[3];
    {
        QFile file(QStringLiteral("AppConfig.xml"));
        FUZZ_CHECK(file.open(QIODevice::WriteOnly));
        file.write(split < 0 ? input : input.left(split));
    }

    const QString otherBefore = ReadConfig(path, other);
    if (!WriteConfig(path, attribute, value))
        return 0;
    FUZZ_CHECK(ReadConfig(path, attribute) == XmlCharacters(value));
    if (other != attribute)
        FUZZ_CHECK(ReadConfig(path, other) == otherBefore);
    return 0;
}
