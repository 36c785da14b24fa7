#pragma once
// The View and Tree menus: their commands, and the state of the two views that they set
// (the list's grid lines, whole-row selection and font, the tree panel's showing, the
// tree's auto-expand and lines, the opening and closing of its branches). Owned by the
// main window, which places the two menus in its menu bar.

#include <QObject>
#include <optional>

#include "platform/font_dialogs.h"
#include "platform/platform.h"

class OpListDelegate;
class OpcodeListView;
class QAction;
class QActionGroup;
class QMenu;
class QTreeWidget;
class QWidget;
class TreeAutoExpand;
class TreeLinesStyle;
class TreeNodeDelegate;

class ViewActionHandler : public QObject {
    Q_OBJECT

  public:
    // Makes the two menus with their items, connected, and gives the views the delegates
    // and the tree style that the items switch.
    ViewActionHandler(QWidget* window, OpcodeListView* list, QTreeWidget* tree,
                      const Platform& platform);

    QMenu* ViewMenu() const { return NView; }
    QMenu* TreeMenu() const { return NTree; }
    // The left panel, made after the menus, whose width NTreeShow sets.
    void SetTreePanel(QWidget* panel) { Panel1 = panel; }

    void NOpListGridlineClick(bool checked);
    void NOpListRowselectClick(bool checked);
    void NOpListFontClick();
    void NTreeShowClick();
    void NTreeAutoExpandClick();
    void NTreeLinesClick(bool checked);
    void NTreeExpandAllClick();
    void NTreeCollapseAllClick();
    void NTreeExpandChildClick();
    void NCollapseChildClick();

  private:
    void createViewMenu();
    void createTreeMenu();
    void SetPanel1Width(int width);

    QWidget* window_;
    OpcodeListView* OpListView;
    QTreeWidget* OpTreeView;
    QWidget* Panel1 = nullptr;
    Platform platform_;

    OpListDelegate* listDelegate_ = nullptr;
    TreeNodeDelegate* treeDelegate_ = nullptr;
    TreeLinesStyle* treeLines_ = nullptr;
    TreeAutoExpand* treeAutoExpand_ = nullptr;
    // The font and colour last confirmed; until then, the window's font and the list's
    // text colour.
    std::optional<FontChoice> fontDialog1_;

    QMenu* NView = nullptr;
    QMenu* NViewOpList = nullptr;
    QMenu* NViewTree = nullptr;
    QAction* NOpListGridline = nullptr;
    QAction* NOpListRowselect = nullptr;
    QAction* NShowOpcodeN = nullptr;
    QAction* NOpListFont = nullptr;
    QAction* NTreeShow = nullptr;
    QAction* NTreeAutoExpand = nullptr;
    QAction* NTreeLines = nullptr;

    QMenu* NTree = nullptr;
    QAction* NTreeExpandAll = nullptr;
    QAction* NTreeCollapseAll = nullptr;
    QAction* NTreeExpandChild = nullptr;
    QAction* NCollapseChild = nullptr;
    QAction* NTreeMultiSelect = nullptr;
    QMenu* NTreeMultiSelectMode = nullptr;
    QActionGroup* NTreeMultiSelectModeGroup = nullptr;
    QAction* NTreeMultiSelectModeUnification = nullptr;
    QAction* NTreeMultiSelectModeCrossing = nullptr;
};
