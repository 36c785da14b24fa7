#pragma once
// The main window shown on a small browsing database, with its search window, and the
// mouse and keyboard steps the browsing tests take.

#include <QStringList>
#include <Qt>
#include <memory>

#include "tests/ui/form_fixture.h"
#include "ui/find/form_find.h"

class QListWidget;
class QTreeWidget;
class QTreeWidgetItem;

// Opcodes 0001..0006 and 0008 with three types ("a", "Z", "Б"), 0007 without a type.
// The tree, its notes and opcode lines:
//   Все (1: 0005 0003 0001 0006 0002 0004 0007; note)
//     Повторы (2: 0002 0001 0002 0007; note)
//       Внутри (no line)
//     Пусто (no line)
//   Много (3: 150 rows of 0001..0006, then 0008)
//     Глубже (no line)
CraftedDb BrowseDb();

class BrowseTest : public FormMainTest {
  protected:
    // Opens both windows on the database; the main one shown and active.
    void OpenShown(const CraftedDb& db = BrowseDb());

    // The node with that caption.
    QTreeWidgetItem* Node(const QString& caption) const;
    // Clicks the node (its parents must be open) and waits for the list's rebuild.
    void ClickNode(const QString& caption, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
    // Clicks the check box of the type filter's item.
    void ClickTypeBox(int item);
    void ClickRow(int row, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
    void ClickHeader(int visualColumn);
    // Waits until the tree's change delay has run out and the list is rebuilt.
    bool WaitForRebuild() const;

    // One column's texts of every row, in display order.
    QStringList Column(int column) const;
    // The opcode numbers of the selected rows, in display order.
    QStringList SelectedNumbers() const;
    QString Panel(int index) const;
    QString FindPanel(int index) const;

    std::unique_ptr<TFormMain> form;
    std::unique_ptr<TFormFind> find;
};
