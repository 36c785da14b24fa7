#pragma once
// The category tree's nodes: the record attached to a node, and the node's two picture
// indices into the tree's image list (index 0 a node, index 1 a selected node).

#include <QIcon>
#include <QTreeWidgetItem>

struct TNodedata;

inline constexpr int kNodeDataRole = Qt::UserRole + 1;
inline constexpr int kImageIndexRole = Qt::UserRole + 2;
inline constexpr int kSelectedIndexRole = Qt::UserRole + 3;

// The record of a node, or null for a node without an opcode line.
const TNodedata* NodeData(const QTreeWidgetItem* item);
void SetNodeData(QTreeWidgetItem* item, const TNodedata* data);

// Sets both indices and the icon that draws them: the normal picture, and the selected
// one while the node is selected.
void SetNodeImages(QTreeWidgetItem* item, int imageIndex, int selectedIndex);

// The tree's image list, TreeImageList: a closed folder and an open one.
QIcon TreeImage(int index);
