#include "ui/main/tree_fit.h"

#include <QHeaderView>
#include <QTextLayout>
#include <QTimer>
#include <QTreeWidget>
#include <QtMath>
#include <algorithm>
#include <vector>

namespace {

// A name's width as the item views' standard size hint lays it out: wrapped at words
// within a line of Qt's greatest width, the widest line's natural width, rounded up.
int LaidOutWidth(const QFont& font, const QString& name) {
    constexpr int kWidest = 8388607; // the largest width a text layout takes
    QTextLayout layout(name, font);
    QTextOption option;
    option.setWrapMode(QTextOption::WordWrap);
    layout.setTextOption(option);
    qreal width = 0;
    layout.beginLayout();
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(kWidest);
        width = std::max(width, line.naturalTextWidth());
    }
    layout.endLayout();
    return qCeil(width);
}

struct ShownNode {
    const QTreeWidgetItem* item;
    int level;
};

// The nodes the view shows, in order: those whose parents are all open. The walk stops
// once `shown` holds more than `most` (a negative `most`: no limit), so that a tree of
// millions of nodes costs the fit no more than the header's own measure does.
void AddShown(const QTreeWidgetItem* parent, int level, std::ptrdiff_t most,
              std::vector<ShownNode>& shown) {
    for (int i = 0; i < parent->childCount(); ++i) {
        if (most >= 0 && std::ssize(shown) > most)
            return;
        const QTreeWidgetItem* node = parent->child(i);
        if (node->isHidden())
            continue;
        shown.push_back({node, level});
        if (node->childCount() > 0 && node->isExpanded())
            AddShown(node, level + 1, most, shown);
    }
}

} // namespace

QString NameWidths::Add(const QString& name) {
    auto known = widths_.constFind(name);
    if (known == widths_.cend())
        known = widths_.insert(name, LaidOutWidth(font_, name));
    return known.key();
}

int NameWidths::Width(const QFont& font, const QString& name) const {
    return font == font_ ? widths_.value(name, -1) : -1;
}

TreeColumnFit::TreeColumnFit(QTreeWidget* tree)
    : QObject(tree), tree_(tree), fit_(new QTimer(this)) {
    fit_->setSingleShot(true);
    connect(fit_, &QTimer::timeout, this,
            [this] { tree_->header()->setMinimumSectionSize(Widest()); });
    for (auto shown : {&QTreeView::expanded, &QTreeView::collapsed})
        connect(tree, shown, fit_, qOverload<>(&QTimer::start));
    connect(tree->model(), &QAbstractItemModel::rowsInserted, fit_, qOverload<>(&QTimer::start));
    connect(tree->model(), &QAbstractItemModel::dataChanged, fit_, qOverload<>(&QTimer::start));
}

int TreeColumnFit::Widest() const {
    const QAbstractItemView* view = tree_;
    // A node's width is its name's and its level's indentation, and a part of its own (the
    // margins, the picture, the same for all): that part from the view's own measure of
    // the first node. Beyond as many nodes as the header measures, the view picks some.
    const int precision = tree_->header()->resizeContentsPrecision();
    std::vector<ShownNode> shown;
    AddShown(tree_->invisibleRootItem(), 0, precision, shown);
    if (shown.empty() || (precision >= 0 && std::ssize(shown) > precision))
        return view->sizeHintForColumn(0);
    const QFont font = tree_->font();
    std::vector<int> names;
    names.reserve(shown.size());
    for (const ShownNode& node : shown) {
        const QString name = node.item->text(0);
        const int width = measured_.Width(font, name);
        // A name on more lines, or none, is not measured on the line.
        if (width < 0 || name.isEmpty() || name.contains(u'\n') ||
            name.contains(QChar::LineSeparator))
            return view->sizeHintForColumn(0);
        names.push_back(width);
    }
    if (shown.front().item != tree_->topLevelItem(0))
        return view->sizeHintForColumn(0);
    const int own = view->sizeHintForIndex(tree_->model()->index(0, 0)).width() - names.front();
    const int levels = tree_->rootIsDecorated() ? 1 : 0;
    int widest = 0;
    for (std::size_t i = 0; i < shown.size(); ++i)
        widest =
            std::max(widest, own + names[i] + (shown[i].level + levels) * tree_->indentation());
    return widest;
}
