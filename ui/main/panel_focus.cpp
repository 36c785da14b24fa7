#include "ui/main/panel_focus.h"

#include <QEvent>
#include <QWidget>

PanelFocus::PanelFocus(QWidget* panel, std::initializer_list<QWidget*> controls, int leastWidth)
    : QObject(panel), panel_(panel), leastWidth_(leastWidth) {
    panel->installEventFilter(this);
    for (QWidget* control : controls) {
        controls_.emplace_back(control, control->focusPolicy());
        control->installEventFilter(this);
    }
    Update();
}

bool PanelFocus::eventFilter(QObject*, QEvent* event) {
    // The panel's own resize comes before its layout places the controls; theirs after.
    if (event->type() == QEvent::Resize || event->type() == QEvent::Move)
        Update();
    return false;
}

bool PanelFocus::Shows(const QWidget* control) const {
    const QRect shown =
        panel_->rect() & QRect(control->mapTo(panel_, QPoint(0, 0)), control->size());
    return !shown.isEmpty() && shown.width() >= leastWidth_;
}

void PanelFocus::Update() {
    for (const auto& [control, policy] : controls_)
        control->setFocusPolicy(Shows(control) ? policy : Qt::NoFocus);
}
