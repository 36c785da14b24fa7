#pragma once
// How the main window's menu items and menus are made: each with its object name, so that
// the window's layout, its tests and screen readers find it by that name.

#include <QKeySequence>
#include <QString>

class QAction;
class QMenu;
class QObject;
class QWidget;

struct ItemSpec {
    const char16_t* name;
    QString caption;
    QKeySequence shortcut = {};
    QString hint = {};
};

QAction* NewItem(QObject* owner, const ItemSpec& item);
QAction* NewCheckItem(QObject* owner, const ItemSpec& item, bool checked);
// The menu and the item that opens it both carry `name`.
QMenu* NewMenu(QWidget* parent, const char16_t* name, const QString& caption);
// A hidden separator: it stays hidden, whatever Qt does with the separators around it.
void AddHiddenSeparator(QMenu* menu);
