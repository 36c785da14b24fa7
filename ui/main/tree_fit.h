#pragma once
// A node's name too long for the category tree shows a horizontal scroll bar, not an
// ellipsis: the tree's one column is as wide as the widest shown node, or as the view
// where that is wider. The view measures every shown node for it, laying each name out;
// names laid out ahead, on another thread (NameWidths), spare the window all but one.

#include <QFont>
#include <QHash>
#include <QObject>
#include <QString>

class QTimer;
class QTreeWidget;

// The widths of names laid out as the tree's nodes lay theirs out, in one font.
class NameWidths {
  public:
    NameWidths() = default;
    explicit NameWidths(const QFont& font) : font_(font) {}

    // Lays the name out, unless an equal one was, and gives the string kept for it: names
    // taken from here share one string each. On any thread.
    QString Add(const QString& name);

    // The width of `name` in `font`, or -1 where it was not laid out in that font.
    int Width(const QFont& font, const QString& name) const;

  private:
    QFont font_;
    QHash<QString, int> widths_;
};

class TreeColumnFit : public QObject {
  public:
    // Fits the tree's column whenever its shown nodes change; owned by the tree.
    explicit TreeColumnFit(QTreeWidget* tree);

    // Names whose widths the fits may take instead of laying them out.
    void UseMeasured(NameWidths widths) { measured_ = std::move(widths); }

  private:
    // The widest shown node's width, as the view itself measures it.
    int Widest() const;

    QTreeWidget* tree_;
    QTimer* fit_;
    NameWidths measured_;
};
