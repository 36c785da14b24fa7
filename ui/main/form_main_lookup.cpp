// What a look-up from outside needs of the window: the tree's nodes, the filter's ticks,
// and a category chosen as a click chooses it.
#include <QTimer>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>

#include "ui/main/form_main.h"

std::vector<QTreeWidgetItem*> TFormMain::TreeNodes() const {
    std::vector<QTreeWidgetItem*> nodes;
    for (QTreeWidgetItemIterator it(OpTreeView); *it != nullptr; ++it)
        nodes.push_back(*it);
    return nodes;
}

void TFormMain::ChooseCategory(QTreeWidgetItem* node) {
    for (QTreeWidgetItem* parent = node->parent(); parent != nullptr; parent = parent->parent())
        parent->setExpanded(true);
    // The only selected node and the current one, as after a click.
    OpTreeView->setCurrentItem(node);
    OpTreeView->scrollToItem(node);
    // The list is rebuilt now rather than after the tree's change delay, so that the caller
    // can select in it.
    OpTreeViewChangeDelay->stop();
    OpTreeViewChange(node);
}
