#include "ui/window_keys.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QKeyEvent>

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
            // Left unaccepted, the key is offered to the window's shortcuts first; a key
            // that none of them answers here still reaches the control as a key press.
            return true;
        case QEvent::KeyPress:
            return qobject_cast<QAbstractItemView*>(watched) != nullptr &&
                   static_cast<QKeyEvent*>(event)->matches(QKeySequence::Copy);
        default:
            return false;
        }
    }

  private:
    QWidget* window_;
};

} // namespace

void KeepWindowKeys(QWidget* window) {
    new WindowKeys(window);
}
