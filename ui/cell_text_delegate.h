#pragma once
// The opcode lists' cells: drawn as the style draws a text item, but each cell's text is
// laid out once (Qt's own item painting lays the same text out three times or more per
// paint) and kept for the cell's next paints while it shows that text, until the rows
// are replaced.
// The text drawn is always the model's display text, elided as the style elides it (from
// the glyphs of that one layout where RightElision can); the cells a single-line layout
// cannot draw exactly go to the style as they are.

#include <QFont>
#include <QGlyphRun>
#include <QList>
#include <QPointF>
#include <QSize>
#include <QString>
#include <QStyledItemDelegate>
#include <cstdint>
#include <memory>
#include <unordered_map>

#include "ui/right_elision.h"

class QAbstractItemView;
class QTextLayout;

class CellTextDelegate : public QStyledItemDelegate {
  public:
    // For the given view, whose model is set and stays.
    explicit CellTextDelegate(QAbstractItemView* view);
    ~CellTextDelegate() override;

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;

  private:
    // One cell's text laid out for one text area, font and alignment.
    struct CellText {
        QString text;
        QFont font;
        QSize area;
        int flags = 0;                       // alignment, direction and elide mode
        std::unique_ptr<QTextLayout> layout; // or, for an elided text, its glyphs:
        QList<QGlyphRun> elided;             // the kept start's and the ellipsis'
        QPointF offset;                      // of the text from the text area's top left corner
    };

    const CellText& Layout(const QStyleOptionViewItem& option, const QModelIndex& index,
                           const QRect& textArea) const;

    mutable std::unordered_map<std::uint64_t, CellText> cells_; // by row and column
    mutable RightElision elision_;
};
