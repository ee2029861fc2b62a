#pragma once
#include "common/ui/MessageBox.h"

#include <gtest/gtest.h>

namespace kelvaro::test
{

// Message boxes scripted while the guard lives: none is shown, each is
// recorded and a question takes the next queued answer. A question that finds
// no answer fails the test, for the script must not answer for the nurse; and
// however the test ends, the boxes are real again afterwards.
class ScriptedMessages
{
public:
    ScriptedMessages()
    {
        MessageBox::SetNextAnswers({});
        MessageBox::ClearShown();
        MessageBox::TakeUnanswered();
        MessageBox::SetScripted(true);
    }
    ~ScriptedMessages()
    {
        MessageBox::SetScripted(false);
        MessageBox::SetNextAnswers({});
        const QStringList unanswered = MessageBox::TakeUnanswered();
        EXPECT_TRUE(unanswered.isEmpty()) << "questions nobody answered: "
                                          << unanswered.join(QStringLiteral(" | ")).toStdString();
    }
    ScriptedMessages(const ScriptedMessages&) = delete;
    ScriptedMessages& operator=(const ScriptedMessages&) = delete;
};

} // namespace kelvaro::test
