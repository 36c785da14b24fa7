#include "ui/main/view_action_handler.h"

#include <QAction>
#include <QActionGroup>
#include <QMenu>
#include <QSplitter>
#include <QTreeWidget>

#include "platform/message_boxes.h"
#include "ui/application.h"
#include "ui/main/menu_items.h"
#include "ui/main/tree_auto_expand.h"
#include "ui/main/view_styles.h"
#include "ui/opcode_row_model.h"

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

// Runs `method` on every click of `item`, with the state the click left where it takes one.
template <class Method> void OnClick(ViewActionHandler* owner, QAction* item, Method method) {
    QObject::connect(item, &QAction::triggered, owner, Guarded([owner, method](bool checked) {
                         if constexpr (std::is_invocable_v<Method, ViewActionHandler*, bool>)
                             (owner->*method)(checked);
                         else
                             (owner->*method)();
                     }));
}

} // namespace

ViewActionHandler::ViewActionHandler(QWidget* window, OpcodeListView* list, QTreeWidget* tree,
                                     const Platform& platform)
    : QObject(window), window_(window), OpListView(list), OpTreeView(tree), platform_(platform) {
    setObjectName(QStringLiteral("ViewActionHandler"));
    listDelegate_ = new OpListDelegate(OpListView);
    OpListView->setItemDelegate(listDelegate_);
    treeDelegate_ = new TreeNodeDelegate(OpTreeView);
    OpTreeView->setItemDelegate(treeDelegate_);
    treeLines_ = new TreeLinesStyle;
    treeLines_->setParent(OpTreeView);
    OpTreeView->setStyle(treeLines_);
    treeAutoExpand_ = new TreeAutoExpand(OpTreeView);

    createViewMenu();
    createTreeMenu();
}

// Each item is made, connected to its handler and placed in its menu in one step.
void ViewActionHandler::createViewMenu() {
    NView = NewMenu(window_, u"NView", tr("Вид"));

    NViewOpList = NewMenu(NView, u"NViewOpList", tr("Расшир. список опкодов"));
    NOpListGridline = NewCheckItem(this, {u"NOpListGridline", tr("Сетка")}, false);
    OnClick(this, NOpListGridline, &ViewActionHandler::NOpListGridlineClick);
    NViewOpList->addAction(NOpListGridline);
    NOpListRowselect = NewCheckItem(this, {u"NOpListRowselect", tr("Полное выделение")}, true);
    OnClick(this, NOpListRowselect, &ViewActionHandler::NOpListRowselectClick);
    NViewOpList->addAction(NOpListRowselect);
    // It only ticks and unticks: the opcode's number begins its caption either way.
    NShowOpcodeN =
        NewCheckItem(this, {u"NShowOpcodeN", tr("Показывать номер опкода в опкоде")}, true);
    NViewOpList->addAction(NShowOpcodeN);
    NOpListFont = NewItem(this, {u"NOpListFont", tr("Шрифт...")});
    OnClick(this, NOpListFont, &ViewActionHandler::NOpListFontClick);
    NViewOpList->addAction(NOpListFont);
    NView->addMenu(NViewOpList);

    NViewTree = NewMenu(NView, u"NViewTree", tr("Дерево"));
    NTreeShow = NewCheckItem(this, {u"NTreeShow", tr("Показывать")}, true);
    OnClick(this, NTreeShow, &ViewActionHandler::NTreeShowClick);
    NViewTree->addAction(NTreeShow);
    NTreeAutoExpand = NewCheckItem(this, {u"NTreeAutoExpand", tr("Авторазвёртывание")}, false);
    OnClick(this, NTreeAutoExpand, &ViewActionHandler::NTreeAutoExpandClick);
    NViewTree->addAction(NTreeAutoExpand);
    NTreeLines = NewCheckItem(this, {u"NTreeLines", tr("Линии связи")}, true);
    OnClick(this, NTreeLines, &ViewActionHandler::NTreeLinesClick);
    NViewTree->addAction(NTreeLines);
    NView->addMenu(NViewTree);
}

void ViewActionHandler::createTreeMenu() {
    NTree = NewMenu(window_, u"NTree", tr("Дерево"));
    NTreeExpandAll = NewItem(
        this, {u"NTreeExpandAll", tr("Развернуть всё"), QKeySequence(Qt::CTRL | Qt::Key_E)});
    OnClick(this, NTreeExpandAll, &ViewActionHandler::NTreeExpandAllClick);
    NTree->addAction(NTreeExpandAll);
    NTreeCollapseAll = NewItem(this, {u"NTreeCollapseAll", tr("Свернуть всё"),
                                      QKeySequence(Qt::CTRL | Qt::ALT | Qt::Key_E)});
    OnClick(this, NTreeCollapseAll, &ViewActionHandler::NTreeCollapseAllClick);
    NTree->addAction(NTreeCollapseAll);
    NTree->addSeparator();
    NTreeExpandChild = NewItem(this, {u"NTreeExpandChild", tr("Развернуть все дочерние(*)")});
    OnClick(this, NTreeExpandChild, &ViewActionHandler::NTreeExpandChildClick);
    NTree->addAction(NTreeExpandChild);
    NCollapseChild = NewItem(this, {u"NCollapseChild", tr("Свернуть все дочерние")});
    OnClick(this, NCollapseChild, &ViewActionHandler::NCollapseChildClick);
    NTree->addAction(NCollapseChild);
    AddHiddenSeparator(NTree);

    // The multiple selection's items are made, but stay hidden.
    NTreeMultiSelect = NewCheckItem(this, {u"NTreeMultiSelect", tr("Мультивыделение")}, true);
    NTree->addAction(NTreeMultiSelect);
    NTreeMultiSelect->setVisible(false);
    NTreeMultiSelectMode = NewMenu(NTree, u"NTreeMultiSelectMode", tr("При этом показать:"));
    NTreeMultiSelectModeUnification =
        NewCheckItem(this,
                     {u"NTreeMultiSelectModeUnification", tr("Объединение списков"),
                      QKeySequence(Qt::CTRL | Qt::Key_U)},
                     true);
    NTreeMultiSelectModeCrossing =
        NewCheckItem(this,
                     {u"NTreeMultiSelectModeCrossing", tr("Пересечение списков"),
                      QKeySequence(Qt::CTRL | Qt::Key_C)},
                     false);
    NTreeMultiSelectModeGroup = new QActionGroup(this);
    NTreeMultiSelectModeGroup->setObjectName(QStringLiteral("NTreeMultiSelectModeGroup"));
    NTreeMultiSelectModeGroup->addAction(NTreeMultiSelectModeUnification);
    NTreeMultiSelectModeGroup->addAction(NTreeMultiSelectModeCrossing);
    NTreeMultiSelectMode->addActions(
        {NTreeMultiSelectModeUnification, NTreeMultiSelectModeCrossing});
    NTree->addMenu(NTreeMultiSelectMode);
    // Their submenu stays hidden, which keeps their keys (Ctrl+C among them) inactive.
    NTreeMultiSelectMode->menuAction()->setVisible(false);
}

void ViewActionHandler::NOpListGridlineClick(bool checked) {
    listDelegate_->SetGridLines(checked);
    OpListView->viewport()->update();
}

void ViewActionHandler::NOpListRowselectClick(bool checked) {
    listDelegate_->SetWholeRowSelection(checked);
    OpListView->setAllColumnsShowFocus(checked);
    OpListView->viewport()->update();
}

void ViewActionHandler::NOpListFontClick() {
    const FontChoice initial = fontDialog1_.value_or(
        FontChoice{window_->font(), OpListView->palette().color(QPalette::Text)});
    const std::optional<FontChoice> chosen = platform_.fontDialogs.Choose(initial, window_);
    if (!chosen)
        return;
    fontDialog1_ = *chosen;
    OpListView->setFont(chosen->font);
    QPalette palette = OpListView->palette();
    palette.setColor(QPalette::Text, chosen->color);
    OpListView->setPalette(palette);
}

void ViewActionHandler::NTreeShowClick() {
    SetPanel1Width(NTreeShow->isChecked() ? 185 : 1);
}

void ViewActionHandler::SetPanel1Width(int width) {
    auto* split = Panel1 != nullptr ? qobject_cast<QSplitter*>(Panel1->parentWidget()) : nullptr;
    if (split == nullptr)
        return;
    const QList<int> sizes = split->sizes();
    split->setSizes({width, qMax(1, sizes.value(0) + sizes.value(1) - width)});
}

void ViewActionHandler::NTreeAutoExpandClick() {
    treeAutoExpand_->SetEnabled(NTreeAutoExpand->isChecked());
    treeDelegate_->SetHotTracking(NTreeAutoExpand->isChecked());
    OpTreeView->viewport()->update();
}

void ViewActionHandler::NTreeLinesClick(bool checked) {
    treeLines_->SetLinesShown(checked);
    OpTreeView->viewport()->update();
}

void ViewActionHandler::NTreeExpandAllClick() {
    if (QTreeWidgetItem* first = OpTreeView->topLevelItem(0))
        ExpandBranch(OpTreeView, first);
}

void ViewActionHandler::NTreeCollapseAllClick() {
    if (QTreeWidgetItem* first = OpTreeView->topLevelItem(0))
        CollapseBranch(first);
}

void ViewActionHandler::NTreeExpandChildClick() {
    if (QTreeWidgetItem* current = OpTreeView->currentItem())
        ExpandBranch(OpTreeView, current);
    else
        platform_.messageBoxes.Error(tr("Ни одна категория не выделена!"));
}

void ViewActionHandler::NCollapseChildClick() {
    if (QTreeWidgetItem* current = OpTreeView->currentItem())
        CollapseBranch(current);
    else
        platform_.messageBoxes.Error(tr("Ни одна категория не выделена!"));
}
