// Connects the browsing handlers: the listing, the sort, the pointer and selection
// displays, the quick search and the View and Tree menus.
#include <QHeaderView>
#include <QListWidget>
#include <QMouseEvent>
#include <QTimer>
#include <QTreeWidget>

#include "ui/application.h"
#include "ui/event_hooks.h"
#include "ui/main/form_main.h"

namespace {

// Runs `handler` with the pointer's position on every movement over the view.
template <class Handler> void OnMouseMove(QAbstractItemView* view, Handler handler) {
    view->viewport()->setMouseTracking(true);
    OnEvent(view->viewport(), QEvent::MouseMove, [handler](QEvent* event) {
        handler(static_cast<QMouseEvent*>(event)->position().toPoint());
        return false;
    });
}

} // namespace

void TFormMain::connectBrowsing() {
    connect(OpTreeViewChangeDelay, &QTimer::timeout, this,
            Guarded([this] { OpTreeViewChange(OpTreeView->currentItem()); }));
    // A Ctrl-click on the current node changes only the selection; the list follows it
    // all the same.
    connect(OpTreeView, &QTreeWidget::itemSelectionChanged, OpTreeViewChangeDelay,
            qOverload<>(&QTimer::start));
    connect(CheckListBoxType, &QListWidget::itemChanged, this,
            Guarded([this] { CheckListBoxTypeClickCheck(); }));

    // Logical indices: a header click sorts by the clicked caption's column, wherever
    // the user has dragged it.
    OpListView->header()->setSectionsClickable(true);
    connect(OpListView->header(), &QHeaderView::sectionClicked, this,
            Guarded([this](int column) { OpListViewColumnClick(column); }));
    connect(OpListView->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            Guarded([this] { OpListViewSelectItem(); }));
    OnMouseMove(OpListView, [this](const QPoint& pos) { OpListViewMouseMove(pos); });
    OnMouseMove(OpTreeView, [this](const QPoint& pos) { OpTreeViewMouseMove(pos); });

    connectQuickSearch();
    connectViewCommands();
}
