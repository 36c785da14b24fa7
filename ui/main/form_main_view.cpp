// The View menu's options for the list and the tree, and the Tree menu's commands that
// open and close branches.
#include <QAction>
#include <QSplitter>
#include <QTreeWidget>

#include "platform/font_dialogs.h"
#include "platform/message_boxes.h"
#include "ui/application.h"
#include "ui/main/form_main.h"
#include "ui/main/tree_auto_expand.h"
#include "ui/main/view_styles.h"

namespace {

void ExpandBranch(QTreeWidget* tree, QTreeWidgetItem* node) {
    tree->expandRecursively(tree->indexFromItem(node));
}

// The node first: closing its hidden descendants afterwards costs no layout.
void CollapseBranch(QTreeWidgetItem* node) {
    node->setExpanded(false);
    for (int i = 0; i < node->childCount(); ++i)
        CollapseBranch(node->child(i));
}

} // namespace

void TFormMain::connectViewCommands() {
    listDelegate_ = new OpListDelegate(OpListView);
    OpListView->setItemDelegate(listDelegate_);
    treeDelegate_ = new TreeNodeDelegate(OpTreeView);
    OpTreeView->setItemDelegate(treeDelegate_);
    treeLines_ = new TreeLinesStyle;
    treeLines_->setParent(OpTreeView);
    OpTreeView->setStyle(treeLines_);
    fontDialog1_ = {font(), OpListView->palette().color(QPalette::Text)};

    const auto onToggle = [this](QAction* item, void (TFormMain::*handler)(bool)) {
        connect(item, &QAction::triggered, this,
                Guarded([this, handler](bool checked) { (this->*handler)(checked); }));
    };
    onToggle(NOpListGridline, &TFormMain::NOpListGridlineClick);
    onToggle(NOpListRowselect, &TFormMain::NOpListRowselectClick);
    onToggle(NTreeLines, &TFormMain::NTreeLinesClick);
    const auto onChoose = [this](QAction* item, void (TFormMain::*handler)()) {
        connect(item, &QAction::triggered, this, Guarded([this, handler] { (this->*handler)(); }));
    };
    onChoose(NOpListFont, &TFormMain::NOpListFontClick);
    onChoose(NTreeShow, &TFormMain::NTreeShowClick);
    onChoose(NTreeAutoExpand, &TFormMain::NTreeAutoExpandClick);
    onChoose(NTreeExpandAll, &TFormMain::NTreeExpandAllClick);
    onChoose(NTreeCollapseAll, &TFormMain::NTreeCollapseAllClick);
    onChoose(NTreeExpandChild, &TFormMain::NTreeExpandChildClick);
    onChoose(NCollapseChild, &TFormMain::NCollapseChildClick);
    treeAutoExpand_ = new TreeAutoExpand(OpTreeView);
}

void TFormMain::NOpListGridlineClick(bool checked) {
    listDelegate_->SetGridLines(checked);
    OpListView->viewport()->update();
}

void TFormMain::NOpListRowselectClick(bool checked) {
    listDelegate_->SetWholeRowSelection(checked);
    OpListView->setAllColumnsShowFocus(checked);
    OpListView->viewport()->update();
}

void TFormMain::NOpListFontClick() {
    const std::optional<FontChoice> chosen = platform_.fontDialogs.Choose(fontDialog1_, this);
    if (!chosen)
        return;
    fontDialog1_ = *chosen;
    OpListView->setFont(chosen->font);
    QPalette palette = OpListView->palette();
    palette.setColor(QPalette::Text, chosen->color);
    OpListView->setPalette(palette);
}

void TFormMain::NTreeShowClick() {
    SetPanel1Width(NTreeShow->isChecked() ? 185 : 1);
}

void TFormMain::SetPanel1Width(int width) {
    auto* split = qobject_cast<QSplitter*>(Panel1->parentWidget());
    if (split == nullptr)
        return;
    const QList<int> sizes = split->sizes();
    split->setSizes({width, qMax(1, sizes.value(0) + sizes.value(1) - width)});
}

void TFormMain::NTreeAutoExpandClick() {
    treeAutoExpand_->SetEnabled(NTreeAutoExpand->isChecked());
    treeDelegate_->SetHotTracking(NTreeAutoExpand->isChecked());
    OpTreeView->viewport()->update();
}

void TFormMain::NTreeLinesClick(bool checked) {
    treeLines_->SetLinesShown(checked);
    OpTreeView->viewport()->update();
}

void TFormMain::NTreeExpandAllClick() {
    if (QTreeWidgetItem* first = OpTreeView->topLevelItem(0))
        ExpandBranch(OpTreeView, first);
}

void TFormMain::NTreeCollapseAllClick() {
    if (QTreeWidgetItem* first = OpTreeView->topLevelItem(0))
        CollapseBranch(first);
}

void TFormMain::NTreeExpandChildClick() {
    if (QTreeWidgetItem* current = OpTreeView->currentItem())
        ExpandBranch(OpTreeView, current);
    else
        platform_.messageBoxes.Error(tr("Ни одна категория не выделена!"));
}

void TFormMain::NCollapseChildClick() {
    if (QTreeWidgetItem* current = OpTreeView->currentItem())
        CollapseBranch(current);
    else
        platform_.messageBoxes.Error(tr("Ни одна категория не выделена!"));
}
