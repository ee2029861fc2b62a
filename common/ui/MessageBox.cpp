#include "common/ui/MessageBox.h"

#include <QMessageBox>

#include <utility>

namespace kelvaro
{

namespace
{

struct Script {
    bool scripted = false;
    std::deque<bool> answers;
    std::deque<MessageBox::Shown> shown;
    QStringList unanswered;
};

Script& TheScript()
{
    static Script script;
    return script;
}

QMessageBox::Icon IconOf(MessageBox::Kind kind)
{
    switch (kind) {
    case MessageBox::Kind::Information:
        return QMessageBox::Information;
    case MessageBox::Kind::Warning:
        return QMessageBox::Warning;
    case MessageBox::Kind::Critical:
        return QMessageBox::Critical;
    case MessageBox::Kind::Question:
        return QMessageBox::Question;
    }
    return QMessageBox::NoIcon;
}

// Scripted: recorded; a question takes the next queued answer. One that finds
// none is answered Yes and counted as unanswered.
bool AnswerScripted(MessageBox::Kind kind, const QString& text, MessageBox::Default byDefault)
{
    Script& script = TheScript();
    script.shown.push_back({kind, text, byDefault});
    if (kind != MessageBox::Kind::Question)
        return true;
    if (script.answers.empty()) {
        script.unanswered.append(text);
        return true;
    }
    const bool answer = script.answers.front();
    script.answers.pop_front();
    return answer;
}

bool Show(QWidget* parent, MessageBox::Kind kind, const QString& text,
          MessageBox::Default byDefault = MessageBox::Default::Yes)
{
    if (TheScript().scripted)
        return AnswerScripted(kind, text, byDefault);
    const bool question = kind == MessageBox::Kind::Question;
    QMessageBox box(IconOf(kind), QStringLiteral("提示"), text,
                    question ? QMessageBox::Yes | QMessageBox::No : QMessageBox::Ok, parent);
    box.setObjectName(QStringLiteral("MessageBox"));
    box.setDefaultButton(!question                               ? QMessageBox::Ok
                         : byDefault == MessageBox::Default::Yes ? QMessageBox::Yes
                                                                 : QMessageBox::No);
    return box.exec() == (question ? QMessageBox::Yes : QMessageBox::Ok);
}

} // namespace

void MessageBox::Information(QWidget* parent, const QString& text)
{
    Show(parent, Kind::Information, text);
}

void MessageBox::Warning(QWidget* parent, const QString& text)
{
    Show(parent, Kind::Warning, text);
}

void MessageBox::Critical(QWidget* parent, const QString& text)
{
    Show(parent, Kind::Critical, text);
}

bool MessageBox::Question(QWidget* parent, const QString& text, Default byDefault)
{
    return Show(parent, Kind::Question, text, byDefault);
}

void MessageBox::SetScripted(bool scripted)
{
    TheScript().scripted = scripted;
}

void MessageBox::SetNextAnswers(std::deque<bool> answers)
{
    TheScript().answers = std::move(answers);
}

const std::deque<MessageBox::Shown>& MessageBox::ShownBoxes()
{
    return TheScript().shown;
}

QStringList MessageBox::ShownTexts()
{
    QStringList texts;
    for (const Shown& box : TheScript().shown)
        texts.append(box.text);
    return texts;
}

void MessageBox::ClearShown()
{
    TheScript().shown.clear();
}

QStringList MessageBox::TakeUnanswered()
{
    return std::exchange(TheScript().unanswered, {});
}

} // namespace kelvaro
