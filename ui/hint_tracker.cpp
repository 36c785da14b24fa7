#include "ui/hint_tracker.h"

#include <QApplication>
#include <QCursor>
#include <QEvent>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QProxyStyle>
#include <QStatusTipEvent>
#include <QStyleFactory>
#include <QTimer>
#include <QToolTip>

#include "ui/window_look.h"

HintTracker::HintTracker(QWidget* window, QLabel* panel)
    : QObject(window), window_(window), panel_(panel) {
    qApp->installEventFilter(this);
}

QString HintTracker::HintOf(const QWidget* widget) {
    for (; widget != nullptr; widget = widget->isWindow() ? nullptr : widget->parentWidget())
        if (!widget->statusTip().isEmpty())
            return widget->statusTip();
    return {};
}

QString HintTracker::LongHint(const QString& hint) {
    const qsizetype bar = hint.indexOf(u'|');
    return bar < 0 ? hint : hint.mid(bar + 1);
}

QString HintTracker::ShortHint(const QString& hint) {
    const qsizetype bar = hint.indexOf(u'|');
    return bar < 0 ? hint : hint.left(bar);
}

void HintTracker::Show(const QString& hint) {
    // Only a change of hint is shown. Both windows' trackers write the one panel, so the
    // hint last shown is kept with it.
    static constexpr char kShownHint[] = "shownHint";
    if (!panel_ || panel_->property(kShownHint).toString() == hint)
        return;
    panel_->setProperty(kShownHint, hint);
    panel_->setText(LongHint(hint));
}

void HintTracker::HintChanged(const QWidget* control) {
    if (InWindow(control))
        Show(HintOf(control));
}

bool HintTracker::InWindow(const QWidget* widget) const {
    return widget != nullptr && widget->window() == window_;
}

bool HintTracker::BelongsToWindow(const QObject* object) const {
    for (; object != nullptr; object = object->parent())
        if (object == window_)
            return true;
    return false;
}

bool HintTracker::eventFilter(QObject* watched, QEvent* event) {
    if (!watched->isWidgetType())
        return false;
    auto* widget = static_cast<QWidget*>(watched);
    switch (event->type()) {
    case QEvent::Enter:
        if (InWindow(widget))
            Show(HintOf(widget));
        break;
    case QEvent::Leave: {
        // Going from a control back onto its parent sends the parent no Enter.
        const QWidget* under = QApplication::widgetAt(QCursor::pos());
        if (InWindow(widget) && InWindow(under))
            Show(HintOf(under));
        break;
    }
    case QEvent::MouseMove:
        // Qt highlights no disabled menu item, but its hint is shown all the same: after
        // the menu has cleared the hint of the item the mouse left.
        if (auto* menu = qobject_cast<QMenu*>(widget); menu != nullptr && BelongsToWindow(menu)) {
            const QAction* item =
                menu->actionAt(static_cast<QMouseEvent*>(event)->position().toPoint());
            if (item != nullptr && !item->isEnabled() && !item->isSeparator())
                QTimer::singleShot(0, this, [this, hint = item->statusTip()] { Show(hint); });
        }
        break;
    case QEvent::StatusTip:
        // Controls with a hint of their own send it on enter and leave; those are
        // followed above, parents' hints included. The rest come from the highlighted
        // items of the window's menus, wherever Qt delivers them.
        if (!BelongsToWindow(watched))
            break;
        if (!widget->statusTip().isEmpty() && qobject_cast<QMenu*>(widget) == nullptr)
            return true;
        Show(static_cast<QStatusTipEvent*>(event)->tip());
        return true;
    default:
        break;
    }
    return false;
}

namespace {

// The application's style, with the tooltips' pause at 0 ms once the hints' appearance is
// applied.
class HintStyle : public QProxyStyle {
  public:
    using QProxyStyle::QProxyStyle;
    void SetInstant() { instant_ = true; }
    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* returnData) const override {
        if (hint == SH_ToolTip_WakeUpDelay && instant_)
            return 0;
        return QProxyStyle::styleHint(hint, option, widget, returnData);
    }

  private:
    bool instant_ = false;
};

HintStyle* InstalledHintStyle() {
    return dynamic_cast<HintStyle*>(QApplication::style());
}

} // namespace

void InstallHintStyle() {
    if (InstalledHintStyle() == nullptr)
        QApplication::setStyle(new HintStyle(QStyleFactory::create(ApplicationStyleName())));
}

void ApplyHintAppearance() {
    QPalette palette = QToolTip::palette();
    palette.setColor(QPalette::ToolTipBase, QColor(166, 202, 240));
    palette.setColor(QPalette::ToolTipText, Qt::black);
    QToolTip::setPalette(palette);
    InstallHintStyle();
    InstalledHintStyle()->SetInstant();
}
