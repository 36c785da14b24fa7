#pragma once
// How the opcode list and the category tree draw the View menu's options: grid lines and
// whole-row selection in the list, hot tracking and connecting lines in the tree. The
// standard item painting does the drawing; these only adjust what it is told to draw.

#include <QProxyStyle>
#include <QStyledItemDelegate>
#include <initializer_list>
#include <memory>

#include "ui/cell_text_delegate.h"

class QHeaderView;

// The list's cells: grid lines along each cell's right and bottom edges when shown, on
// pixels of their own (the rows grow by one pixel, so an underscore on the content's last
// pixel row stays visible); without whole-row selection, the selection and the focus mark
// only on the first column.
class OpListDelegate : public CellTextDelegate {
  public:
    using CellTextDelegate::CellTextDelegate;

    // The views that use the delegate lay their rows out anew.
    void SetGridLines(bool shown);
    void SetWholeRowSelection(bool whole) { wholeRow_ = whole; }

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

  private:
    bool gridLines_ = false;
    bool wholeRow_ = true;
};

// The tree's nodes: with hot tracking the node under the pointer is drawn underlined in
// the link colour; without it, nothing marks that node.
class TreeNodeDelegate : public QStyledItemDelegate {
  public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void SetHotTracking(bool on) { hotTracking_ = on; }

  protected:
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override;

  private:
    bool hotTracking_ = false;
};

// The tree's branch area: with connecting lines, the classic dotted lines and plus/minus
// boxes of the Windows style; without them, the application style's own expand marks.
class TreeLinesStyle : public QProxyStyle {
  public:
    // Based on a fresh instance of the application's current style.
    TreeLinesStyle();
    ~TreeLinesStyle() override;

    void SetLinesShown(bool shown) { linesShown_ = shown; }

    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget) const override;

  private:
    std::unique_ptr<QStyle> lines_;
    bool linesShown_ = true;
};

// Keeps the columns at least `minimum` pixels wide and never narrower than their header
// captions need, now and whenever the header's font changes.
void KeepCaptionsReadable(QHeaderView* header, std::initializer_list<int> columns, int minimum);
