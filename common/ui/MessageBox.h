#pragma once
#include <QString>
#include <QStringList>
#include <deque>

class QWidget;

namespace kelvaro
{

// Every message box of the program goes through here: caption "提示", the
// fixed texts of the caller. Tests switch on the script mode, in which no box
// is shown: each box is recorded and answered from the queued answers.
class MessageBox
{
public:
    enum class Kind { Information, Warning, Critical, Question };
    // The button Enter presses in a question.
    enum class Default { Yes, No };

    static void Information(QWidget* parent, const QString& text);
    static void Warning(QWidget* parent, const QString& text);
    static void Critical(QWidget* parent, const QString& text);
    // Question icon with Yes and No; true for Yes.
    static bool Question(QWidget* parent, const QString& text, Default byDefault = Default::Yes);

    struct Shown {
        Kind kind;
        QString text;
        Default byDefault = Default::Yes; // of a question
    };

    // Test seam.
    static void SetScripted(bool scripted);
    static void SetNextAnswers(std::deque<bool> answers); // for Question; Yes when none is left
    static const std::deque<Shown>& ShownBoxes();
    static QStringList ShownTexts();
    static void ClearShown();
    // The questions that found no queued answer since the last call; a test
    // fails on them rather than let the script answer for the nurse.
    static QStringList TakeUnanswered();
};

} // namespace kelvaro
