#include "TempHome.h"

#include "common/CodePage.h"
#include "common/ConfigStore.h"
#include "common/ProgramHome.h"

namespace kelvaro
{
namespace
{

const QString configName = QStringLiteral("AppConfig.xml");

const QByteArray utf8Config = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                              "<Config>\n"
                              "\t<BaseConfig>\n"
                              "\t\t<DBConnect Value=\"abc\"/>\n"
                              "\t\t<Printer Value=\"first\"/>\n"
                              "\t\t<Printer Value=\"second\"/>\n"
                              "\t\t<Margin Offset=\"5\"/>\n"
                              "\t</BaseConfig>\n"
                              "</Config>\n";

class ConfigStore : public test::InTempHome
{
protected:
    void Install(const QByteArray& bytes) { test::WriteBytes(configName, bytes); }
    QByteArray Stored() const { return test::ReadBytes(configName); }
};

TEST_F(ConfigStore, ReadCases)
{
    Install(utf8Config);
    struct Case {
        const char* path;
        const char* attribute;
        const char* value;
    };
    const Case cases[] = {
        {"BaseConfig|DBConnect", "Value", "abc"},
        {"BaseConfig|Printer", "Value", "first"}, // the first of two
        {"BaseConfig|Margin", "Offset", "5"},
        {"BaseConfig|Margin", "TitleOffset", ""}, // attribute missing
        {"baseconfig|printer", "Value", ""},      // names are case-sensitive
        {"BaseConfig|Printer", "value", ""},
        {"BaseConfig|Missing", "Value", ""},
        {"BaseConfig|Margin|Deeper", "Offset", ""},
        {"Config|BaseConfig|Printer", "Value", ""}, // the root is not named
        {"BaseConfig||Printer", "Value", ""},
        {"", "Value", ""},
        {"BaseConfig|Printer", "", ""},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ReadConfig(QString::fromUtf8(c.path), QString::fromUtf8(c.attribute)),
                  QString::fromUtf8(c.value))
            << c.path << " " << c.attribute;
    }
}

TEST_F(ConfigStore, WriteCases)
{
    struct Case {
        const char* path;
        const char* attribute;
        QString value;
        QByteArray before; // the text the write replaces; empty: refused, file unchanged
        QByteArray after;
    };
    const Case cases[] = {
        {"BaseConfig|Printer", "Value", "新", "<Printer Value=\"first\"/>",
         "<Printer Value=\"新\"/>"},
        {"BaseConfig|Margin", "TitleOffset", "3", "<Margin Offset=\"5\"/>",
         "<Margin Offset=\"5\" TitleOffset=\"3\"/>"},
        // Line breaks and tabs are kept as references; forbidden characters are left out.
        {"BaseConfig|DBConnect", "Value",
         QStringLiteral("a\x01"
                        "b\tc<&\""),
         "<DBConnect Value=\"abc\"/>", "<DBConnect Value=\"ab&#9;c&lt;&amp;&quot;\"/>"},
        {"BaseConfig|Missing", "Value", "x", {}, {}},
        {"baseconfig|printer", "Value", "x", {}, {}},
        {"", "Value", "x", {}, {}},
        {"BaseConfig|Printer", "", "x", {}, {}},
        {"BaseConfig|Printer", "two words", "x", {}, {}},
    };
    for (const Case& c : cases) {
        Install(utf8Config);
        const bool refused = c.before.isEmpty();
        EXPECT_EQ(WriteConfig(QString::fromUtf8(c.path), QString::fromUtf8(c.attribute), c.value),
                  !refused)
            << c.path << " " << c.attribute;
        const QByteArray expected =
            refused ? utf8Config : QByteArray(utf8Config).replace(c.before, c.after);
        EXPECT_EQ(Stored(), expected) << c.path << " " << c.attribute;
    }
}

TEST_F(ConfigStore, WrittenValueReadsBack)
{
    Install(utf8Config);
    const QString value = QStringLiteral("line\nbreak\tand \"quotes\"");
    ASSERT_TRUE(WriteConfig(QStringLiteral("BaseConfig|Printer"), QStringLiteral("Value"), value));
    EXPECT_EQ(ReadConfig(QStringLiteral("BaseConfig|Printer"), QStringLiteral("Value")), value);
}

TEST_F(ConfigStore, MissingFileReadsEmptyAndIsNeverCreated)
{
    EXPECT_EQ(ReadConfig(QStringLiteral("BaseConfig|Printer"), QStringLiteral("Value")), QString());
    EXPECT_FALSE(WriteConfig(QStringLiteral("BaseConfig|Printer"), QStringLiteral("Value"), "x"));
    EXPECT_FALSE(QFile::exists(configName));
}

TEST_F(ConfigStore, MalformedFileReadsEmptyAndStaysUntouched)
{
    const QByteArray broken = "<Config><BaseConfig><Printer Value=\"x\"/></Config>";
    Install(broken);
    EXPECT_EQ(ReadConfig(QStringLiteral("BaseConfig|Printer"), QStringLiteral("Value")), QString());
    EXPECT_FALSE(WriteConfig(QStringLiteral("BaseConfig|Printer"), QStringLiteral("Value"), "y"));
    EXPECT_EQ(Stored(), broken);
}

// 喆 is outside GB2312: a plain GB2312 decoder would reject the file.
QString Gb2312Config(const QString& printer)
{
    return QStringLiteral("<?xml version=\"1.0\" encoding=\"GB2312\"?>\n"
                          "<AppConfig>\n"
                          "\t<BaseConfig>\n"
                          "\t\t<Installation DatabaseKind=\"Access\" HospitalName=\"喆华医院\"/>\n"
                          "\t\t<Printer Value=\"%1\"/>\n"
                          "\t</BaseConfig>\n"
                          "</AppConfig>\n")
        .arg(printer);
}

TEST_F(ConfigStore, Gb2312FileKeepsItsEncodingAndLayout)
{
    Install(ToCodePage(Gb2312Config(QStringLiteral("激光打印机"))));
    EXPECT_EQ(ReadConfig(QStringLiteral("BaseConfig|Printer"), QStringLiteral("Value")),
              QStringLiteral("激光打印机"));
    EXPECT_EQ(InstalledHospitalName(), QStringLiteral("喆华医院"));
    EXPECT_EQ(InstalledDatabaseKind(), QStringLiteral("Access"));

    ASSERT_TRUE(WriteConfig(QStringLiteral("BaseConfig|Printer"), QStringLiteral("Value"),
                            QStringLiteral("针式打印机 2号")));
    EXPECT_EQ(Stored(), ToCodePage(Gb2312Config(QStringLiteral("针式打印机 2号"))));
}

// A declared encoding whose converter would drop a character gives way to
// UTF-8; one that carries everything (as references where needed) stays.
TEST_F(ConfigStore, WrittenCharactersAreNeverDropped)
{
    const QString printer = QStringLiteral("喆𠀀");
    struct Case {
        const char* encoding;
        const char* savedAs;
    };
    const Case cases[] = {
        {"GB2.312", "UTF-8"},
        {"GB2312", "GB2312"},
        {"EUC-CN", "EUC-CN"},
        {"ISO-8859-1", "ISO-8859-1"},
    };
    for (const Case& c : cases) {
        const QString text = QStringLiteral("<?xml version=\"1.0\" encoding=\"%1\"?>\n"
                                            "<AppConfig><BaseConfig>"
                                            "<Installation HospitalName=\"%2\"/>"
                                            "<Printer Value=\"x\"/>"
                                            "</BaseConfig></AppConfig>\n");
        const bool latin = QByteArray(c.encoding) == "ISO-8859-1";
        const QString hospital = latin ? QStringLiteral("Hôpital") : QStringLiteral("华山医院");
        const QString config = text.arg(QLatin1String(c.encoding), hospital);
        Install(latin ? config.toLatin1() : ToCodePage(config));

        ASSERT_TRUE(
            WriteConfig(QStringLiteral("BaseConfig|Printer"), QStringLiteral("Value"), printer))
            << c.encoding;
        EXPECT_EQ(ReadConfig(QStringLiteral("BaseConfig|Printer"), QStringLiteral("Value")),
                  printer)
            << c.encoding;
        EXPECT_EQ(InstalledHospitalName(), hospital) << c.encoding;
        EXPECT_TRUE(Stored().startsWith("<?xml version=\"1.0\" encoding=\"" +
                                        QByteArray(c.savedAs) + "\"?>"))
            << c.encoding << ": " << Stored().left(60).toStdString();
    }
}

} // namespace
} // namespace kelvaro
