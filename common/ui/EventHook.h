#pragma once
#include <QEvent>
#include <functional>

class QObject;

namespace kelvaro
{

// Runs `handler` on every event of `type` that reaches `watched`, before the
// object's own handling; the handler returns true to stop the event there.
// The hook is a child of `watched` and lives as long as it does.
void OnEvent(QObject* watched, QEvent::Type type, std::function<bool(QEvent*)> handler);

} // namespace kelvaro
