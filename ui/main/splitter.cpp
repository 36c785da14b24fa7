#include "ui/main/splitter.h"

#include <QMouseEvent>
#include <QSplitterHandle>
#include <algorithm>

namespace {

class MinSizeSplitterHandle : public QSplitterHandle {
  public:
    MinSizeSplitterHandle(Qt::Orientation orientation, MinSizeSplitter* parent)
        : QSplitterHandle(orientation, parent), owner_(parent) {}

  protected:
    void mousePressEvent(QMouseEvent* e) override {
        if (e->button() == Qt::LeftButton)
            offset_ = pick(e->position().toPoint());
        QSplitterHandle::mousePressEvent(e);
    }
    void mouseMoveEvent(QMouseEvent* e) override {
        if (!(e->buttons() & Qt::LeftButton))
            return QSplitterHandle::mouseMoveEvent(e);
        QMouseEvent clamped = Clamp(*e);
        QSplitterHandle::mouseMoveEvent(&clamped);
    }
    void mouseReleaseEvent(QMouseEvent* e) override {
        if (e->button() != Qt::LeftButton)
            return QSplitterHandle::mouseReleaseEvent(e);
        QMouseEvent clamped = Clamp(*e);
        QSplitterHandle::mouseReleaseEvent(&clamped);
    }

  private:
    int pick(const QPoint& p) const { return orientation() == Qt::Horizontal ? p.x() : p.y(); }

    // The same event, moved along the splitter so that the handle stops at its limits.
    QMouseEvent Clamp(const QMouseEvent& e) const {
        const QPoint global = e.globalPosition().toPoint();
        const int pos = pick(owner_->mapFromGlobal(global)) - offset_;
        const int delta = owner_->clampedHandlePosition(
                              owner_->indexOf(const_cast<MinSizeSplitterHandle*>(this)), pos) -
                          pos;
        const QPointF shift =
            orientation() == Qt::Horizontal ? QPointF(delta, 0) : QPointF(0, delta);
        return QMouseEvent(e.type(), e.position() + shift, e.globalPosition() + shift, e.button(),
                           e.buttons(), e.modifiers(), e.pointingDevice());
    }

    MinSizeSplitter* owner_;
    int offset_ = 0;
};

// What of a side keeps its size while the handle moves: of a nested split along the same
// line, its docked controls and its handles; only its filling control gives way.
int DockedExtent(const QWidget* side, Qt::Orientation orientation) {
    const auto* split = qobject_cast<const QSplitter*>(side);
    if (split == nullptr || split->orientation() != orientation)
        return 0;
    int docked = split->handleWidth() * (split->count() - 1);
    for (int i = 0; i < split->count(); ++i) {
        const QSizePolicy policy = split->widget(i)->sizePolicy();
        if ((orientation == Qt::Horizontal ? policy.horizontalStretch()
                                           : policy.verticalStretch()) == 0)
            docked += split->sizes().value(i);
    }
    return docked;
}

} // namespace

MinSizeSplitter::MinSizeSplitter(Qt::Orientation orientation, QWidget* parent)
    : QSplitter(orientation, parent) {
    setChildrenCollapsible(false);
}

void MinSizeSplitter::setHandleMinimum(int index, int minimum) {
    if (minimums_.size() <= index)
        minimums_.resize(index + 1, 0);
    minimums_[index] = minimum;
}

int MinSizeSplitter::handleMinimum(int index) const {
    return index >= 0 && index < minimums_.size() ? minimums_[index] : 0;
}

int MinSizeSplitter::clampedHandlePosition(int index, int pos) const {
    const QWidget* before = widget(index - 1);
    const QWidget* after = widget(index);
    const int minimum = handleMinimum(index);
    if (before == nullptr || after == nullptr || minimum <= 0)
        return pos;
    const bool horizontal = orientation() == Qt::Horizontal;
    const QRect b = before->geometry(), a = after->geometry();
    const int lower =
        (horizontal ? b.left() : b.top()) + minimum + DockedExtent(before, orientation());
    const int upper = (horizontal ? a.right() : a.bottom()) + 1 - handleWidth() - minimum -
                      DockedExtent(after, orientation());
    if (lower > upper) {
        // Too narrow for both least sizes: the handle moves only where it takes no side
        // below its least size, nor further below it than it already is.
        const int current = (horizontal ? b.right() : b.bottom()) + 1;
        return std::clamp(pos, std::min(current, lower), std::max(current, upper));
    }
    return std::clamp(pos, lower, upper);
}

QSplitterHandle* MinSizeSplitter::createHandle() {
    return new MinSizeSplitterHandle(orientation(), this);
}
