#include "ui/cell_text_delegate.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QFontMetrics>
#include <QPainter>
#include <QProxyStyle>
#include <QStyle>
#include <QTextLayout>
#include <memory>

namespace {

// A long scroll keeps the layouts of what it shows last, not of every row it passed.
constexpr std::size_t kMaxCells = 4096;

// The cells drawn here: one line of text and nothing beside it, in a text area that fills
// the cell whatever the text (the style's layout depends on the text's size otherwise).
bool PlainOneLine(const QStyleOptionViewItem& cell) {
    const auto others = QStyleOptionViewItem::WrapText | QStyleOptionViewItem::HasCheckIndicator |
                        QStyleOptionViewItem::HasDecoration;
    if (!(cell.features & QStyleOptionViewItem::HasDisplay) || (cell.features & others) ||
        !cell.showDecorationSelected || (cell.state & QStyle::State_Editing) ||
        (cell.decorationPosition != QStyleOptionViewItem::Left &&
         cell.decorationPosition != QStyleOptionViewItem::Right))
        return false;
    // Control characters and separators may break the line or change the elision.
    for (const QChar c : cell.text)
        if (c.unicode() < 0x20 || (c.unicode() >= 0x7F && c.unicode() <= 0x9F) ||
            c == QChar::LineSeparator || c == QChar::ParagraphSeparator)
            return false;
    return true;
}

// Whether the style draws an item with nothing but its text as Qt's common item painting
// does: the item's panel (background and selection) alone, clipped to the item. So do the
// Fusion and Windows styles, under the program's proxies (which leave items to them).
bool CommonItemPanel(const QStyle* style) {
    while (const auto* proxy = qobject_cast<const QProxyStyle*>(style))
        style = proxy->baseStyle();
    const char* name = style->metaObject()->className();
    return qstrcmp(name, "QFusionStyle") == 0 || qstrcmp(name, "QWindowsStyle") == 0;
}

// One line of text laid out in the given width, its glyphs kept for drawing.
std::unique_ptr<QTextLayout> LaidOut(const QString& text, const QFont& font,
                                     const QTextOption& textOption, int width) {
    auto layout = std::make_unique<QTextLayout>(text, font);
    layout->setTextOption(textOption);
    layout->setCacheEnabled(true);
    layout->beginLayout();
    QTextLine line = layout->createLine();
    if (line.isValid()) {
        line.setLineWidth(width);
        line.setPosition(QPointF(0, 0));
    }
    layout->endLayout();
    return layout;
}

QColor TextColour(const QStyleOptionViewItem& cell) {
    QPalette::ColorGroup group =
        (cell.state & QStyle::State_Enabled) ? QPalette::Normal : QPalette::Disabled;
    if (group == QPalette::Normal && !(cell.state & QStyle::State_Active))
        group = QPalette::Inactive;
    return cell.palette.color(
        group, (cell.state & QStyle::State_Selected) ? QPalette::HighlightedText : QPalette::Text);
}

} // namespace

CellTextDelegate::CellTextDelegate(QAbstractItemView* view) : QStyledItemDelegate(view) {
    // The rows replaced: a new listing. (Reordered rows keep the layouts of the texts they
    // show.)
    connect(view->model(), &QAbstractItemModel::modelReset, this, [this] { cells_.clear(); });
}

CellTextDelegate::~CellTextDelegate() = default;

void CellTextDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                             const QModelIndex& index) const {
    QStyleOptionViewItem cell(option);
    initStyleOption(&cell, index);
    const QWidget* widget = cell.widget;
    QStyle* style = widget != nullptr ? widget->style() : QApplication::style();
    if (!PlainOneLine(cell)) {
        style->drawControl(QStyle::CE_ItemViewItem, &cell, painter, widget);
        return;
    }
    // The style draws the cell's background and selection; the text and then the focus
    // mark follow here, in the style's order.
    QStyleOptionViewItem frame(cell);
    frame.text.clear();
    frame.features &= ~QStyleOptionViewItem::HasDisplay;
    frame.state &= ~QStyle::State_HasFocus;
    const bool commonPanel = CommonItemPanel(style);
    if (!commonPanel)
        style->drawControl(QStyle::CE_ItemViewItem, &frame, painter, widget);

    painter->save();
    painter->setClipRect(cell.rect, painter->hasClipping() ? Qt::IntersectClip : Qt::ReplaceClip);
    if (commonPanel)
        style->drawPrimitive(QStyle::PE_PanelItemViewItem, &frame, painter, widget);
    if (!cell.text.isEmpty()) {
        const int margin = style->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, widget) + 1;
        const QRect area = style->subElementRect(QStyle::SE_ItemViewItemText, &frame, widget)
                               .adjusted(margin, 0, -margin, 0);
        const CellText& text = Layout(cell, index, area);
        painter->setPen(TextColour(cell));
        const QPointF origin = QPointF(area.topLeft()) + text.offset;
        for (const QGlyphRun& glyphs : text.glyphs)
            painter->drawGlyphRun(origin, glyphs);
    }
    if (cell.state & QStyle::State_HasFocus) {
        QStyleOptionFocusRect focus;
        focus.QStyleOption::operator=(cell);
        focus.rect = style->subElementRect(QStyle::SE_ItemViewItemFocusRect, &frame, widget);
        focus.state |= QStyle::State_KeyboardFocusChange | QStyle::State_Item;
        const QPalette::ColorGroup group =
            (cell.state & QStyle::State_Enabled) ? QPalette::Normal : QPalette::Disabled;
        focus.backgroundColor = cell.palette.color(
            group, (cell.state & QStyle::State_Selected) ? QPalette::Highlight : QPalette::Window);
        style->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, painter, widget);
    }
    painter->restore();
}

const CellTextDelegate::CellText& CellTextDelegate::Layout(const QStyleOptionViewItem& option,
                                                           const QModelIndex& index,
                                                           const QRect& textArea) const {
    CellKey key{index.column(), option.text};
    const int flags = int(option.displayAlignment) | (int(option.direction) << 16) |
                      (int(option.textElideMode) << 20);
    if (const auto found = cells_.find(key); found != cells_.end()) {
        const CellText& cell = found->second;
        if (cell.area == textArea.size() && cell.flags == flags && cell.font == option.font)
            return cell;
    }
    if (cells_.size() >= kMaxCells)
        cells_.clear();

    QTextOption textOption;
    textOption.setWrapMode(QTextOption::ManualWrap);
    textOption.setTextDirection(option.direction);
    textOption.setAlignment(QStyle::visualAlignment(option.direction, option.displayAlignment));
    const int width = textArea.width();
    QList<QGlyphRun> elided;
    // A long text laid out only as far as it can show, where that is enough to elide it.
    const qsizetype start = option.textElideMode == Qt::ElideRight
                                ? elision_.Start(option.text, option.font, width)
                                : option.text.size();
    std::unique_ptr<QTextLayout> layout;
    QString shown; // when not drawn from the glyphs: the elided text to lay out
    if (start < option.text.size()) {
        layout = LaidOut(option.text.left(start), option.font, textOption, width);
        if (!elision_.Glyphs(*layout, false, textOption, width, elided)) {
            shown = elision_.ElidedStart(layout->text(), option.font, width);
            if (shown.isNull())
                layout.reset(); // the start was too short after all
        }
    }
    const bool whole = layout == nullptr;
    if (whole)
        layout = LaidOut(option.text, option.font, textOption, width);
    // Placed by the full text's height (a start has the same), elided as a whole line to
    // the area's width.
    const QRect placed = QStyle::alignedRect(Qt::LayoutDirectionAuto, option.displayAlignment,
                                             layout->boundingRect().size().toSize(), textArea);
    if (!whole) {
        layout = shown.isNull() ? nullptr : LaidOut(shown, option.font, textOption, width);
    } else if (layout->lineCount() > 0 && layout->lineAt(0).naturalTextWidth() > width) {
        if (option.textElideMode == Qt::ElideRight &&
            elision_.Glyphs(*layout, true, textOption, width, elided))
            layout.reset();
        else
            layout = LaidOut(
                QFontMetrics(option.font).elidedText(option.text, option.textElideMode, width),
                option.font, textOption, width);
    }

    CellText& cell = cells_[std::move(key)];
    cell.font = option.font;
    cell.area = textArea.size();
    cell.flags = flags;
    // Kept as its glyphs alone, which the layout would draw at the same places: far less to
    // keep than the layout.
    cell.glyphs = layout ? layout->glyphRuns() : std::move(elided);
    cell.offset = QPointF(0, placed.top() - textArea.top());
    return cell;
}
