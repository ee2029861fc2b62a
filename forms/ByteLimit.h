#pragma once
#include <QString>
#include <QValidator>

class QLineEdit;

namespace kelvaro
{

// Keeps what a nurse types into an edit within a number of code page bytes
// (a Chinese character takes two). Typing or pasting past the limit is
// refused; a longer text already stored still shows whole and can be shortened.
class ByteLimit : public QValidator
{
public:
    ByteLimit(QLineEdit* edit, int maxBytes);

    State validate(QString& input, int& pos) const override;

private:
    int maxBytes_;
    QString shown_; // the edit's text before the change being validated
};

} // namespace kelvaro
