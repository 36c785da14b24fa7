#pragma once
// The opcode lists' cells: drawn as the style draws a text item, but each text is laid
// out once (Qt's own item painting lays the same text out three times or more per paint)
// and its glyphs kept for the next paints of the cells of its column that show it, until
// the rows are replaced.
// The text drawn is always the model's display text, elided as the style elides it (from
// the glyphs of that one layout where RightElision can); the cells a single-line layout
// cannot draw exactly go to the style as they are.

#include <QFont>
#include <QGlyphRun>
#include <QHashFunctions>
#include <QList>
#include <QPointF>
#include <QSize>
#include <QString>
#include <QStyledItemDelegate>
#include <unordered_map>

#include "ui/right_elision.h"

class QAbstractItemView;

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
        QFont font;
        QSize area;
        int flags = 0;           // alignment, direction and elide mode
        QList<QGlyphRun> glyphs; // the text's, or for an elided text the kept start's and
                                 // the ellipsis'
        QPointF offset;          // of the text from the text area's top left corner
    };

    const CellText& Layout(const QStyleOptionViewItem& option, const QModelIndex& index,
                           const QRect& textArea) const;

    // Cells of one column that show one text share its layout.
    struct CellKey {
        int column;
        QString text;
        bool operator==(const CellKey&) const = default;
    };
    struct CellKeyHash {
        std::size_t operator()(const CellKey& key) const { return qHash(key.text, key.column); }
    };

    mutable std::unordered_map<CellKey, CellText, CellKeyHash> cells_;
    mutable RightElision elision_;
};
