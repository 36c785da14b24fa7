// The window's creation: the start-up state and the loading of the whole database.
// Nothing here catches an error: a failing step ends the loading, and the window opens
// with what the steps before it did.
#include <QAction>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QSignalBlocker>
#include <QTreeWidget>

#include "opcodes/database_files.h"
#include "opcodes/errors.h"
#include "platform/files/file_names.h"
#include "ui/main/designed_items.h"
#include "ui/main/form_main.h"
#include "ui/main/hint_tracker.h"
#include "ui/main/splitter.h"
#include "ui/main/tree_nodes.h"
#include "ui/qt_text.h"

namespace {

// Replaces the tree's nodes by the items, in tree order, with their keys as text.
void ReplaceTreeNodes(QTreeWidget* tree, const std::vector<TreeItem>& items) {
    tree->clear();
    std::vector<QTreeWidgetItem*> nodes;
    nodes.reserve(items.size());
    for (const TreeItem& item : items) {
        auto* node = item.Parent < 0
                         ? new QTreeWidgetItem(tree)
                         : new QTreeWidgetItem(nodes[static_cast<std::size_t>(item.Parent)]);
        node->setText(0, FromCp1251(item.Key));
        SetNodeImages(node, 0, 0);
        nodes.push_back(node);
    }
}

// The tree's nodes in tree order: each node before its children, expanded or not.
std::vector<QTreeWidgetItem*> TreeOrder(QTreeWidget* tree) {
    std::vector<QTreeWidgetItem*> nodes;
    for (QTreeWidgetItemIterator it(tree); *it; ++it)
        nodes.push_back(*it);
    return nodes;
}

} // namespace

void TFormMain::FormCreate() {
    setWindowState(Qt::WindowMinimized);
    setWindowState(Qt::WindowMaximized);

    NFindInOST->setVisible(FileExists("opctool.exe") && FileExists("opc.ini"));

    const DatabaseFiles files = DatabaseFiles::ForCurrentDir(CurrentDir());
    // The table started loading with the window; its error, if any, is raised here.
    opcodeList_ = opcodesLoading_.valid() ? opcodesLoading_.get() : LoadOpcodeTable();

    ApplyHintAppearance();
    NInternet->menuAction()->setEnabled(false);
    const QList<int> sizes = rightSplitter_->sizes();
    rightSplitter_->setSizes({qMax(1, sizes.value(0) + sizes.value(1) - 1), 1});

    LoadCategoryTree(files);
    LoadTypeList(files);

    // A tree file without nodes leaves no first node to open; there is nothing to do then.
    if (QTreeWidgetItem* first = OpTreeView->topLevelItem(0))
        first->setExpanded(true);
}

std::unique_ptr<TOpcodesList> TFormMain::LoadOpcodeTable() {
    const DatabaseFiles files = DatabaseFiles::ForCurrentDir(CurrentDir());
    return std::make_unique<TOpcodesList>(files.Opcodes, files.Translation, files.TypeInfo,
                                          files.TypeLines);
}

void TFormMain::LoadCategoryTree(const DatabaseFiles& files) {
    std::vector<TreeItem> items;
    try {
        ReadCategoryTree(files.Tree, items);
    } catch (const ETreeViewError&) {
        // The nodes read before the bad line replace the designed ones all the same.
        ReplaceTreeNodes(OpTreeView, items);
        throw;
    }
    ReplaceTreeNodes(OpTreeView, items);

    categories_ = ReadCategories(items, files.NodeInfo, files.NodeLines);
    const std::vector<QTreeWidgetItem*> nodes = TreeOrder(OpTreeView);
    for (std::size_t i = 0; i < nodes.size() && i < categories_.size(); ++i) {
        QTreeWidgetItem* node = nodes[i];
        const CategoryInfo& info = categories_[i];
        SetNodeImages(node, 0, 1);
        node->setText(0, FromCp1251(info.Caption));
        if (info.Expanded)
            node->setExpanded(true);
        if (info.Data) {
            if (i == 0)
                StatusPanel(2)->setText(QStringLiteral(u"Всего: %1").arg(info.Data->Count()));
            SetNodeData(node, info.Data.get());
        }
    }
}

void TFormMain::LoadTypeList(const DatabaseFiles& files) {
    // The filter's notifications are for the user's clicks, not for the loading's ticks.
    const QSignalBlocker quiet(CheckListBoxType);
    CheckListBoxType->clear();
    for (const std::string& caption : ReadTypeCaptions(files.TypeInfo))
        AddCheckItem(CheckListBoxType, FromCp1251(caption), true);
}
