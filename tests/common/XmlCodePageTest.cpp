#include "TempHome.h"

#include "common/CodePage.h"
#include "common/ConfigStore.h"

namespace kelvaro
{
namespace
{

// Characters on which libxml2's own GB18030 tables and Qt's differ.
const QString disputed = QStringLiteral("龴龻︐︙\uE78D\uE816\uE81E");

using XmlCodePage = test::InTempHome;

// "AppConfig.xml" declared GB2312 is read and written with the converter of
// the rest of the program, whoever made it.
TEST_F(XmlCodePage, ConfigurationKeepsEveryCharacter)
{
    test::WriteBytes(QStringLiteral("AppConfig.xml"),
                     ToCodePage(QStringLiteral("<?xml version=\"1.0\" encoding=\"GB2312\"?>\n"
                                               "<AppConfig><BaseConfig><Installation "
                                               "HospitalName=\"%1医院\"/></BaseConfig></AppConfig>")
                                    .arg(disputed)));
    const QString path = QStringLiteral("BaseConfig|Installation");
    EXPECT_EQ(ReadConfig(path, QStringLiteral("HospitalName")), disputed + QStringLiteral("医院"));

    ASSERT_TRUE(WriteConfig(path, QStringLiteral("DatabaseKind"), disputed));
    EXPECT_EQ(ReadConfig(path, QStringLiteral("DatabaseKind")), disputed);
    EXPECT_TRUE(test::ReadBytes(QStringLiteral("AppConfig.xml")).contains(ToCodePage(disputed)));
}

} // namespace
} // namespace kelvaro
