#pragma once
// The items the category tree and the type list are built with. The start-up loading
// replaces them; they stay when it stops before reaching that point.

class QListWidget;
class QListWidgetItem;
class QString;
class QTreeWidget;

void AddDesignedTreeItems(QTreeWidget* tree);
void AddDesignedTypeItems(QListWidget* list);

// Appends a check-box item to the type list.
QListWidgetItem* AddCheckItem(QListWidget* list, const QString& text, bool checked);
