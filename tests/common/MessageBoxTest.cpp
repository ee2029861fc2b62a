#include "common/ui/MessageBox.h"
#include "common/ui/DialogRunner.h"
#include "support/ScriptedMessages.h"

#include <QDialog>
#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

namespace kelvaro
{
namespace
{

TEST(MessageBox, ScriptedModeRecordsAndAnswersFromTheQueue)
{
    const test::ScriptedMessages script;
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
}

TEST(MessageBox, AQuestionTheScriptCannotAnswerFailsTheTest)
{
    EXPECT_NONFATAL_FAILURE(
        {
            const test::ScriptedMessages script;
            MessageBox::SetNextAnswers({true});
            MessageBox::Question(nullptr, QStringLiteral("确认删除?"));
            MessageBox::Question(nullptr, QStringLiteral("再次确认删除?"));
        },
        "再次确认删除?");
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
