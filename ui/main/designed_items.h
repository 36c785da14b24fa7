#pragma once
// The items the category tree and the type list show when the start-up loading stops
// before it fills them.

class QListWidget;
class QListWidgetItem;
class QString;
class QTreeWidget;

void AddDesignedTreeItems(QTreeWidget* tree);
void AddDesignedTypeItems(QListWidget* list);

// Appends a check-box item to the type list.
QListWidgetItem* AddCheckItem(QListWidget* list, const QString& text, bool checked);
