// The window's creation: the start-up state and the loading of the whole database.
// Nothing here catches an error: a failing step ends the loading, and the window opens
// with what the steps before it did.
#include <QAction>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QSignalBlocker>
#include <QTreeWidget>

#include "opcodes/files/file_names.h"
#include "platform/qt_text.h"
#include "ui/hint_tracker.h"
#include "ui/main/designed_items.h"
#include "ui/main/form_main.h"
#include "ui/main/splitter.h"
#include "ui/main/tree_nodes.h"
#include "ui/window_look.h"

namespace {

// Replaces the tree's nodes by the items' (in tree order), named by `names`, built outside
// the tree and inserted at once. A node with a category shows its pictures and carries its
// record; the others show their keys.
std::vector<QTreeWidgetItem*> ReplaceTreeNodes(QTreeWidget* tree,
                                               const std::vector<TreeItem>& items,
                                               QStringList names,
                                               const std::vector<CategoryInfo>& categories = {}) {
    std::vector<QTreeWidgetItem*> nodes;
    QList<QTreeWidgetItem*> roots;
    nodes.reserve(items.size());
    for (std::size_t i = 0; i < items.size(); ++i) {
        const bool category = i < categories.size();
        auto* node = new CategoryNode(std::exchange(names[qsizetype(i)], {}), 0, category ? 1 : 0);
        if (items[i].Parent < 0)
            roots.append(node);
        else
            nodes[static_cast<std::size_t>(items[i].Parent)]->addChild(node);
        if (category && categories[i].Data)
            SetNodeData(node, categories[i].Data.get());
        nodes.push_back(node);
    }
    tree->clear();
    tree->addTopLevelItems(roots);
    return nodes;
}

} // namespace

void TFormMain::FormCreate() {
    try {
        LoadDatabase();
    } catch (...) {
        // What the loading did not reach shows the designed items; they are built only
        // then, since the loaded ones replace them otherwise. As at the window's making,
        // the user's handlers hear nothing of them.
        const QSignalBlocker quietTree(OpTreeView);
        const QSignalBlocker quietTypes(CheckListBoxType);
        if (!treeLoaded_)
            AddDesignedTreeItems(OpTreeView);
        if (!typesLoaded_)
            AddDesignedTypeItems(CheckListBoxType);
        throw;
    }
}

void TFormMain::LoadDatabase() {
    setWindowState(Qt::WindowMinimized);
    setWindowState(Qt::WindowMaximized);

    NFindInOST->setVisible(FileExists("opctool.exe") && FileExists("opc.ini"));

    // Read since the window's making began; the parts' errors are raised here in turn.
    Reading reading = databaseReading_.valid() ? databaseReading_.get() : ReadDatabase();
    DatabaseRead& read = reading.read;
    treeFit_->UseMeasured(std::move(reading.nodeWidths));
    // Before anything that can fail: the look-up works whatever the rest of the data.
    lookupSites_ = std::move(read.sites);
    ShowLookupSites();
    if (read.opcodesError)
        std::rethrow_exception(read.opcodesError);
    opcodeList_ = std::move(read.opcodes);

    ApplyHintAppearance();
    NInternet->menuAction()->setEnabled(false);
    const QList<int> sizes = rightSplitter_->sizes();
    rightSplitter_->setSizes({qMax(1, sizes.value(0) + sizes.value(1) - 1), 1});

    LoadCategoryTree(reading);
    LoadTypeList(read);

    // A tree file without nodes leaves no first node to open; there is nothing to do then.
    if (QTreeWidgetItem* first = OpTreeView->topLevelItem(0))
        first->setExpanded(true);
}

TFormMain::Reading TFormMain::ReadDatabase() {
    Reading reading{DatabaseRead::OfCurrentDir(), {}, NameWidths(DesignedFont())};
    DatabaseRead& read = reading.read;
    // A node shows its caption where it has one, its key otherwise. Once a node's name is
    // made, the core's copies of its texts are of no more use: they go at once, so that a
    // huge tree never holds its texts three times over.
    reading.nodeNames.reserve(qsizetype(read.treeItems.size()));
    for (std::size_t i = 0; i < read.treeItems.size(); ++i) {
        std::string& key = read.treeItems[i].Key;
        std::string& text = i < read.categories.size() ? read.categories[i].Caption : key;
        reading.nodeNames.append(reading.nodeWidths.Add(FromCp1251(text)));
        std::string().swap(key);
        std::string().swap(text);
    }
    return reading;
}

void TFormMain::LoadCategoryTree(Reading& reading) {
    DatabaseRead& read = reading.read;
    if (read.treeError) {
        // The nodes read before a bad line replace the designed ones all the same.
        if (read.treeInPart) {
            treeLoaded_ = true;
            ReplaceTreeNodes(OpTreeView, read.treeItems, std::move(reading.nodeNames));
        }
        std::rethrow_exception(read.treeError);
    }
    // From here on the nodes read replace the designed ones, whatever follows.
    treeLoaded_ = true;
    if (read.categoriesError) {
        // The nodes stand with their keys.
        ReplaceTreeNodes(OpTreeView, read.treeItems, std::move(reading.nodeNames));
        std::rethrow_exception(read.categoriesError);
    }
    categories_ = std::move(read.categories);
    const std::vector<QTreeWidgetItem*> nodes =
        ReplaceTreeNodes(OpTreeView, read.treeItems, std::move(reading.nodeNames), categories_);
    for (std::size_t i = 0; i < nodes.size() && i < categories_.size(); ++i)
        if (categories_[i].Expanded)
            nodes[i]->setExpanded(true);
    if (!nodes.empty() && !categories_.empty() && categories_.front().Data)
        StatusPanel(2)->setText(tr("Всего: %1").arg(categories_.front().Data->Count()));
}

void TFormMain::LoadTypeList(const DatabaseRead& read) {
    // The filter's notifications are for the user's clicks, not for the loading's ticks.
    const QSignalBlocker quiet(CheckListBoxType);
    typesLoaded_ = true;
    CheckListBoxType->clear();
    if (read.typesError)
        std::rethrow_exception(read.typesError);
    for (const std::string& caption : read.typeCaptions)
        AddCheckItem(CheckListBoxType, FromCp1251(caption), true);
}
