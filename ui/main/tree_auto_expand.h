#pragma once
// The category tree's auto-expand: the node that becomes current opens, and the one that
// was current closes unless the new one lies in its branch. The rows move only once a
// mouse click on the tree is done: rows that slid under the pressed button would take
// the click's selection away from the node the user clicked.

#include <QObject>
#include <QPersistentModelIndex>
#include <utility>
#include <vector>

class QTreeWidget;
class QTreeWidgetItem;

class TreeAutoExpand : public QObject {
  public:
    // Follows the tree's current node; owned by the tree.
    explicit TreeAutoExpand(QTreeWidget* tree);

    void SetEnabled(bool enabled) { enabled_ = enabled; }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void CurrentChanged(QTreeWidgetItem* current, QTreeWidgetItem* previous);
    void ApplyLater();
    void Apply();

    QTreeWidget* tree_;
    bool enabled_ = false;
    bool pressed_ = false; // a mouse button is down on the tree
    // The changes of the current node not yet applied, in order: (current, previous).
    std::vector<std::pair<QPersistentModelIndex, QPersistentModelIndex>> pending_;
};
