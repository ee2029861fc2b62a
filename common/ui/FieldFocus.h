#pragma once
#include <QObject>
#include <functional>
#include <vector>

class QLineEdit;
class QWidget;

namespace kelvaro
{

// The Enter key of a data-entry dialog: Enter in a field moves the focus to the
// next field of the chain; Enter in the last one runs `atEnd` (when given).
// The chain is a child of the first field and lives as long as the dialog.
class EnterChain : public QObject
{
public:
    EnterChain(std::vector<QWidget*> fields, std::function<void()> atEnd = {});

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::vector<QWidget*> fields_;
    std::function<void()> atEnd_;
};

// The edit selects its whole text whenever it receives the focus, however it
// gets it, so that typing replaces the old value.
void SelectTextOnFocus(QLineEdit* edit);

} // namespace kelvaro
