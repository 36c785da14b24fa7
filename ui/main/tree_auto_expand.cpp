#include "ui/main/tree_auto_expand.h"

#include <QEvent>
#include <QTimer>
#include <QTreeWidget>

namespace {

bool IsAncestorOrSelf(const QModelIndex& node, QModelIndex of) {
    for (; of.isValid(); of = of.parent())
        if (of == node)
            return true;
    return false;
}

} // namespace

TreeAutoExpand::TreeAutoExpand(QTreeWidget* tree) : QObject(tree), tree_(tree) {
    tree->viewport()->installEventFilter(this);
    connect(tree, &QTreeWidget::currentItemChanged, this, &TreeAutoExpand::CurrentChanged);
}

bool TreeAutoExpand::eventFilter(QObject*, QEvent* event) {
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
        pressed_ = true;
        break;
    case QEvent::MouseButtonRelease:
        pressed_ = false;
        ApplyLater(); // once the view has handled the release
        break;
    default:
        break;
    }
    return false;
}

void TreeAutoExpand::CurrentChanged(QTreeWidgetItem* current, QTreeWidgetItem* previous) {
    if (!enabled_)
        return;
    pending_.emplace_back(tree_->indexFromItem(current), tree_->indexFromItem(previous));
    if (!pressed_)
        ApplyLater();
}

void TreeAutoExpand::ApplyLater() {
    if (!pending_.empty())
        QTimer::singleShot(0, this, &TreeAutoExpand::Apply);
}

void TreeAutoExpand::Apply() {
    if (pressed_)
        return; // another click has begun: its release applies the changes
    const auto changes = std::exchange(pending_, {});
    for (const auto& [current, previous] : changes) {
        if (previous.isValid() && !IsAncestorOrSelf(previous, current))
            tree_->collapse(previous);
        if (current.isValid())
            tree_->expand(current);
    }
}
