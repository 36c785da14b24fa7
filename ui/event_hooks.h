#pragma once
// Handlers for the events of a control that Qt offers no signal for (mouse movement,
// typed keys, font changes), without subclassing the control.

#include <QEvent>
#include <functional>

class QObject;

// Runs `handler` for every event of `type` that `target` receives, before the target
// handles it; a handler returning true keeps the event from the target. The hook lives
// as long as the target.
void OnEvent(QObject* target, QEvent::Type type, std::function<bool(QEvent*)> handler);
