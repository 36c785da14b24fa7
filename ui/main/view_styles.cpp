#include "ui/main/view_styles.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QHeaderView>
#include <QPainter>
#include <QStyleFactory>
#include <vector>

#include "ui/event_hooks.h"
#include "ui/window_look.h"

void OpListDelegate::SetGridLines(bool shown) {
    if (shown == gridLines_)
        return;
    gridLines_ = shown;
    Q_EMIT sizeHintChanged(QModelIndex());
}

QSize OpListDelegate::sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const {
    QSize size = QStyledItemDelegate::sizeHint(option, index);
    if (gridLines_)
        size.rheight() += 1;
    return size;
}

void OpListDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                           const QModelIndex& index) const {
    QStyleOptionViewItem cell(option);
    // The content keeps clear of the lines' right pixel column and bottom pixel row.
    if (gridLines_)
        cell.rect.adjust(0, 0, -1, -1);
    if (!wholeRow_) {
        if (index.column() != 0) {
            cell.state &= ~(QStyle::State_Selected | QStyle::State_HasFocus);
        } else if (const auto* view = qobject_cast<const QAbstractItemView*>(option.widget)) {
            // The focus mark belongs to the row, whichever of its cells was clicked.
            if (view->hasFocus() && view->currentIndex().row() == index.row() &&
                view->currentIndex().parent() == index.parent())
                cell.state |= QStyle::State_HasFocus;
        }
    }
    CellTextDelegate::paint(painter, cell, index);
    if (gridLines_) {
        const QRect r = option.rect;
        painter->save();
        painter->setPen(LineColor(option.palette));
        painter->drawLine(r.topRight(), r.bottomRight());
        painter->drawLine(r.bottomLeft(), r.bottomRight());
        painter->restore();
    }
}

void TreeNodeDelegate::initStyleOption(QStyleOptionViewItem* option,
                                       const QModelIndex& index) const {
    QStyledItemDelegate::initStyleOption(option, index);
    if (!hotTracking_) {
        option->state &= ~QStyle::State_MouseOver;
        return;
    }
    if (option->state & QStyle::State_MouseOver) {
        option->font.setUnderline(true);
        if (!(option->state & QStyle::State_Selected))
            option->palette.setColor(QPalette::Text, option->palette.color(QPalette::Link));
    }
}

TreeLinesStyle::TreeLinesStyle()
    : QProxyStyle(QStyleFactory::create(ApplicationStyleName())),
      lines_(QStyleFactory::create(QStringLiteral("Windows"))) {}

TreeLinesStyle::~TreeLinesStyle() = default;

void TreeLinesStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option,
                                   QPainter* painter, const QWidget* widget) const {
    if (element != PE_IndicatorBranch || !linesShown_ || lines_ == nullptr) {
        QProxyStyle::drawPrimitive(element, option, painter, widget);
        return;
    }
    // The classic style draws the lines and the boxes in the palette's dark tone, which
    // a dark theme makes as dark as the base, and the box's sign with the painter's pen.
    QStyleOption branch(*option);
    branch.palette.setColor(QPalette::Dark, LineColor(option->palette));
    painter->save();
    painter->setPen(option->palette.color(QPalette::Text));
    lines_->drawPrimitive(element, &branch, painter, widget);
    painter->restore();
}

void KeepCaptionsReadable(QHeaderView* header, std::initializer_list<int> columns, int minimum) {
    const std::vector<int> fitted(columns);
    const auto fit = [header, fitted, minimum] {
        for (int column : fitted)
            header->resizeSection(column, qMax(minimum, header->sectionSizeHint(column)));
    };
    fit();
    OnEvent(header, QEvent::FontChange, [fit](QEvent*) {
        fit();
        return false;
    });
}
