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

// The icon of a picture pair: the normal picture, and the selected one while the node is
// selected. Built once per pair and kept for the run: every node of a tree shares them.
const QIcon& NodeIcon(int imageIndex, int selectedIndex) {
    static QIcon* icons[2][2] = {};
    QIcon*& icon = icons[imageIndex == 1][selectedIndex == 1];
    if (icon == nullptr) {
        icon = new QIcon;
        const QIcon normal = TreeImage(imageIndex), selected = TreeImage(selectedIndex);
        QList<QSize> sizes = normal.availableSizes();
        if (sizes.isEmpty())
            sizes.append(QSize(16, 16));
        for (const QSize& size : sizes) {
            icon->addPixmap(normal.pixmap(size), QIcon::Normal);
            icon->addPixmap(selected.pixmap(size), QIcon::Selected);
        }
    }
    return *icon;
}

} // namespace

CategoryNode::CategoryNode(QString name, int imageIndex, int selectedIndex)
    : name_(std::move(name)), imageIndex_(static_cast<qint8>(imageIndex)),
      selectedIndex_(static_cast<qint8>(selectedIndex)) {}

QVariant CategoryNode::data(int column, int role) const {
    if (column == 0) {
        switch (role) {
        case Qt::DisplayRole:
        case Qt::EditRole:
            return name_;
        case Qt::DecorationRole:
            return NodeIcon(imageIndex_, selectedIndex_);
        case kNodeDataRole:
            return QVariant::fromValue(static_cast<const void*>(record_));
        case kImageIndexRole:
            return int(imageIndex_);
        case kSelectedIndexRole:
            return int(selectedIndex_);
        }
    }
    return QTreeWidgetItem::data(column, role);
}

void CategoryNode::setData(int column, int role, const QVariant& value) {
    if (column == 0) {
        switch (role) {
        case Qt::DisplayRole:
        case Qt::EditRole:
            name_ = value.toString();
            return emitDataChanged();
        case kNodeDataRole:
            record_ = static_cast<const TNodedata*>(value.value<const void*>());
            return emitDataChanged();
        case kImageIndexRole:
            imageIndex_ = static_cast<qint8>(value.toInt() == 1);
            return emitDataChanged();
        case kSelectedIndexRole:
            selectedIndex_ = static_cast<qint8>(value.toInt() == 1);
            return emitDataChanged();
        }
    }
    QTreeWidgetItem::setData(column, role, value);
}
