#include "common/ui/MessageBox.h"
#include "common/ui/DialogRunner.h"

#include <QDialog>
#include <gtest/gtest.h>

namespace kelvaro
{
namespace
{

TEST(MessageBox, ScriptedModeRecordsAndAnswersFromTheQueue)
{
    MessageBox::SetScripted(true);
    MessageBox::ClearShown();
    MessageBox::SetNextAnswers({false});

    MessageBox::Information(nullptr, QStringLiteral("保存成功!"));
    EXPECT_FALSE(MessageBox::Question(nullptr, QStringLiteral("确认退出程序?")));
    EXPECT_TRUE(MessageBox::Question(nullptr, QStringLiteral("again")));
    MessageBox::Critical(nullptr, QStringLiteral("failed"));

    ASSERT_EQ(MessageBox::ShownBoxes().size(), 4u);
    EXPECT_EQ(MessageBox::ShownBoxes()[1].kind, MessageBox::Kind::Question);
    EXPECT_EQ(MessageBox::ShownBoxes()[3].kind, MessageBox::Kind::Critical);
    EXPECT_EQ(MessageBox::ShownTexts(),
              QStringList({QStringLiteral("保存成功!"), QStringLiteral("确认退出程序?"),
                           QStringLiteral("again"), QStringLiteral("failed")}));
    EXPECT_EQ(MessageBox::TakeUnanswered(), QStringList{QStringLiteral("again")});
    EXPECT_TRUE(MessageBox::TakeUnanswered().isEmpty());
    MessageBox::ClearShown();
    MessageBox::SetScripted(false);
}

TEST(DialogRunner, InstalledHandlerTakesTheDialogInsteadOfExec)
{
    QDialog dialog;
    dialog.setObjectName(QStringLiteral("TF_Test"));
    QString seen;
    const ModalHandler previous = SetModalHandler([&](QDialog& shown) {
        seen = shown.objectName();
        return 7;
    });
    EXPECT_EQ(RunModal(dialog), 7);
    EXPECT_EQ(seen, QStringLiteral("TF_Test"));
    EXPECT_TRUE(SetModalHandler(previous)); // hands back the one it replaced
}

} // namespace
} // namespace kelvaro
