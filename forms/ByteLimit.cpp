#include "forms/ByteLimit.h"

#include "common/CodePage.h"

#include <QLineEdit>

namespace kelvaro
{

ByteLimit::ByteLimit(QLineEdit* edit, int maxBytes) : QValidator(edit), maxBytes_(maxBytes)
{
    edit->setValidator(this);
    connect(edit, &QLineEdit::textChanged, this, [this](const QString& text) { shown_ = text; });
}

QValidator::State ByteLimit::validate(QString& input, int&) const
{
    const qsizetype bytes = ToCodePage(input).size();
    if (bytes <= maxBytes_ || bytes <= ToCodePage(shown_).size())
        return Acceptable;
    return Invalid;
}

} // namespace kelvaro
