#include "common/ContentId.h"

#include <QRegularExpression>
#include <gtest/gtest.h>

namespace kelvaro
{
namespace
{

TEST(NewContentID, IsThirtyTwoUppercaseHexDigitsAndFresh)
{
    const QRegularExpression shape(QStringLiteral("^[0-9A-F]{32}$"));
    const QString first = NewContentID();
    const QString second = NewContentID();
    EXPECT_TRUE(shape.match(first).hasMatch()) << first.toStdString();
    EXPECT_TRUE(shape.match(second).hasMatch()) << second.toStdString();
    EXPECT_NE(first, second);
}

} // namespace
} // namespace kelvaro
