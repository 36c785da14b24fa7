#pragma once
// The category tree's nodes: the record attached to a node, and the node's two picture
// indices into the tree's image list (index 0 a node, index 1 a selected node).

#include <QIcon>
#include <QTreeWidgetItem>

struct TNodedata;

inline constexpr int kNodeDataRole = Qt::UserRole + 1;
inline constexpr int kImageIndexRole = Qt::UserRole + 2;
inline constexpr int kSelectedIndexRole = Qt::UserRole + 3;

// A node of the category tree. Its name, pictures and record are fields of its own, read
// and written through the item's roles as ever: the item's general list of roles would
// hold them at some 300 bytes a node, and a tree may have millions of nodes.
class CategoryNode : public QTreeWidgetItem {
  public:
    // The pictures are the normal one and the one shown while the node is selected.
    CategoryNode(QString name, int imageIndex, int selectedIndex);

    QVariant data(int column, int role) const override;
    void setData(int column, int role, const QVariant& value) override;

  private:
    QString name_;
    const TNodedata* record_ = nullptr;
    qint8 imageIndex_, selectedIndex_;
};

// The record of a node, or null for a node without an opcode line.
const TNodedata* NodeData(const QTreeWidgetItem* item);
void SetNodeData(QTreeWidgetItem* item, const TNodedata* data);

// The tree's image list, TreeImageList: a closed folder and an open one.
QIcon TreeImage(int index);
