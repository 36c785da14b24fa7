#include "ui/window_keys.h"

#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <algorithm>

namespace {

class WindowKeys : public QObject {
  public:
    explicit WindowKeys(QWidget* window) : QObject(window), window_(window) {
        qApp->installEventFilter(this);
    }

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (!watched->isWidgetType() || static_cast<QWidget*>(watched)->window() != window_)
            return false;
        switch (event->type()) {
        case QEvent::ShortcutOverride:
            // Left unaccepted, the key is offered to the window's shortcuts first; should
            // none of them answer it here, it still reaches the control as a key press.
            // Other keys (Alt alone for the menu bar) go their usual way.
            return IsCommandKey(static_cast<QKeyEvent*>(event)->keyCombination());
        case QEvent::KeyPress:
            return qobject_cast<QAbstractItemView*>(watched) != nullptr &&
                   static_cast<QKeyEvent*>(event)->matches(QKeySequence::Copy);
        default:
            return false;
        }
    }

  private:
    bool IsCommandKey(QKeyCombination key) const {
        const QKeySequence pressed(key);
        const QList<QAction*> actions = window_->findChildren<QAction*>();
        return std::any_of(actions.begin(), actions.end(), [&pressed](const QAction* action) {
            return action->isEnabled() && action->shortcuts().contains(pressed);
        });
    }

    QWidget* window_;
};

} // namespace

void KeepWindowKeys(QWidget* window) {
    new WindowKeys(window);
}
