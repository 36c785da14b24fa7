#include "ui/main/tree_nodes.h"

#include <QApplication>
#include <QStyle>

const TNodedata* NodeData(const QTreeWidgetItem* item) {
    return static_cast<const TNodedata*>(item->data(0, kNodeDataRole).value<const void*>());
}

void SetNodeData(QTreeWidgetItem* item, const TNodedata* data) {
    item->setData(0, kNodeDataRole, QVariant::fromValue(static_cast<const void*>(data)));
}

QIcon TreeImage(int index) {
    return QApplication::style()->standardIcon(index == 1 ? QStyle::SP_DirOpenIcon
                                                          : QStyle::SP_DirClosedIcon);
}

namespace {

QIcon CombinedIcon(int imageIndex, int selectedIndex) {
    QIcon icon;
    const QIcon normal = TreeImage(imageIndex), selected = TreeImage(selectedIndex);
    QList<QSize> sizes = normal.availableSizes();
    if (sizes.isEmpty())
        sizes.append(QSize(16, 16));
    for (const QSize& size : sizes) {
        icon.addPixmap(normal.pixmap(size), QIcon::Normal);
        icon.addPixmap(selected.pixmap(size), QIcon::Selected);
    }
    return icon;
}

} // namespace

void SetNodeImages(QTreeWidgetItem* item, int imageIndex, int selectedIndex) {
    item->setData(0, kImageIndexRole, imageIndex);
    item->setData(0, kSelectedIndexRole, selectedIndex);
    // Built once per pair and kept for the run: every node of a tree shares them.
    static QIcon* icons[2][2] = {};
    const int i = imageIndex == 1, j = selectedIndex == 1;
    if (icons[i][j] == nullptr)
        icons[i][j] = new QIcon(CombinedIcon(i, j));
    item->setIcon(0, *icons[i][j]);
}
