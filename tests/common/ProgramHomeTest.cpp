#include "TempHome.h"

#include "common/ProgramHome.h"

#include <optional>

namespace kelvaro
{
namespace
{

// Sets or unsets an environment variable for one scope.
class EnvironmentValue
{
public:
    EnvironmentValue(const char* name, std::optional<QByteArray> value)
        : name(name),
          saved(qEnvironmentVariableIsSet(name) ? std::optional(qgetenv(name)) : std::nullopt)
    {
        Set(value);
    }
    ~EnvironmentValue() { Set(saved); }
    EnvironmentValue(const EnvironmentValue&) = delete;
    EnvironmentValue& operator=(const EnvironmentValue&) = delete;

private:
    void Set(const std::optional<QByteArray>& value)
    {
        if (value)
            qputenv(name, *value);
        else
            qunsetenv(name);
    }

    const char* name;
    std::optional<QByteArray> saved;
};

TEST(ProgramHome, ResolutionOrder)
{
    struct Case {
        const char* explicitHome;
        std::optional<QByteArray> kelvaroHome;
        std::optional<QByteArray> xdgDataHome;
        const char* expected;
    };
    const Case cases[] = {
        {"/opt/ward", "/k", "/d", "/opt/ward"},
        {"", "/k", "/d", "/k"},
        {"", "", "/d", "/d/kelvaro"},
        {"", std::nullopt, "/d", "/d/kelvaro"},
        {"", std::nullopt, "relative", "/h/.local/share/kelvaro"},
        {"", std::nullopt, std::nullopt, "/h/.local/share/kelvaro"},
    };
    const EnvironmentValue home("HOME", "/h");
    for (const Case& c : cases) {
        const EnvironmentValue kelvaro("KELVARO_HOME", c.kelvaroHome);
        const EnvironmentValue xdg("XDG_DATA_HOME", c.xdgDataHome);
        EXPECT_EQ(ResolveProgramHome(QString::fromUtf8(c.explicitHome)),
                  QString::fromUtf8(c.expected))
            << c.expected;
    }
}

using EnterProgramHomeTest = test::InTempHome;

TEST_F(EnterProgramHomeTest, CreatesEntersAndRemembersTheAbsolutePath)
{
    const QString expected = QDir(temp.path()).filePath(QStringLiteral("a/b c"));
    ASSERT_TRUE(QDir::setCurrent(temp.path()));
    ASSERT_TRUE(EnterProgramHome(QStringLiteral("a/b c/")));
    EXPECT_EQ(ProgramHome(), expected);
    EXPECT_EQ(QDir::currentPath(), expected);
    EXPECT_FALSE(EnterProgramHome(QString()));
    EXPECT_EQ(ProgramHome(), expected);
}

} // namespace
} // namespace kelvaro
