#include "ui/main/menu_items.h"

#include <QAction>
#include <QMenu>

QAction* NewItem(QObject* owner, const ItemSpec& item) {
    auto* action = new QAction(item.caption, owner);
    action->setObjectName(QString::fromUtf16(item.name));
    action->setShortcut(item.shortcut);
    action->setStatusTip(item.hint);
    return action;
}

QAction* NewCheckItem(QObject* owner, const ItemSpec& item, bool checked) {
    QAction* action = NewItem(owner, item);
    action->setCheckable(true);
    action->setChecked(checked);
    return action;
}

QMenu* NewMenu(QWidget* parent, const char16_t* name, const QString& caption) {
    auto* menu = new QMenu(caption, parent);
    menu->setObjectName(QString::fromUtf16(name));
    menu->menuAction()->setObjectName(QString::fromUtf16(name));
    return menu;
}

void AddHiddenSeparator(QMenu* menu) {
    menu->addSeparator()->setVisible(false);
}
