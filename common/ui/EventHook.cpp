#include "common/ui/EventHook.h"

#include <QObject>

namespace kelvaro
{

namespace
{

class EventHook : public QObject
{
public:
    EventHook(QObject* watched, QEvent::Type type, std::function<bool(QEvent*)> handler)
        : QObject(watched), type_(type), handler_(std::move(handler))
    {
        watched->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == type_)
            return handler_(event);
        return QObject::eventFilter(watched, event);
    }

private:
    QEvent::Type type_;
    std::function<bool(QEvent*)> handler_;
};

} // namespace

void OnEvent(QObject* watched, QEvent::Type type, std::function<bool(QEvent*)> handler)
{
    new EventHook(watched, type, std::move(handler));
}

} // namespace kelvaro
