// The main window's menus, the list's context menu and the action list.
#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <QStyle>
#include <QTreeWidget>

#include "opcodes/lookup_sites.h"
#include "ui/application.h"
#include "ui/copy_commands.h"
#include "ui/main/form_main.h"

namespace {

struct ItemSpec {
    const char16_t* name;
    QString caption;
    QKeySequence shortcut = {};
    QString hint = {};
};

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

// A hidden separator: it stays hidden, whatever Qt does with the separators around it.
void AddHiddenSeparator(QMenu* menu) {
    menu->addSeparator()->setVisible(false);
}

QString FromUtf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace

void TFormMain::createActions() {
    NReExe = NewItem(this, {u"NReExe", tr("ППП(Полный перезапуск программы)"),
                            QKeySequence(Qt::CTRL | Qt::Key_R)});
    NExit = NewItem(this, {u"NExit", tr("В&ыход"), {}, tr("Exit|Quits the application")});
    NFindWin = NewItem(this, {u"NFindWin", tr("Расширенный поиск..."), QKeySequence(Qt::Key_F3)});
    NFindInOST = NewItem(this, {u"NFindInOST", tr("Искать в OST")});

    NOpListGridline = NewCheckItem(this, {u"NOpListGridline", tr("Сетка")}, false);
    NOpListRowselect = NewCheckItem(this, {u"NOpListRowselect", tr("Полное выделение")}, true);
    NShowOpcodeN =
        NewCheckItem(this, {u"NShowOpcodeN", tr("Показывать номер опкода в опкоде")}, true);
    NOpListFont = NewItem(this, {u"NOpListFont", tr("Шрифт...")});
    NTreeShow = NewCheckItem(this, {u"NTreeShow", tr("Показывать")}, true);
    NTreeAutoExpand = NewCheckItem(this, {u"NTreeAutoExpand", tr("Авторазвёртывание")}, false);
    NTreeLines = NewCheckItem(this, {u"NTreeLines", tr("Линии связи")}, true);

    NTreeExpandAll = NewItem(
        this, {u"NTreeExpandAll", tr("Развернуть всё"), QKeySequence(Qt::CTRL | Qt::Key_E)});
    NTreeCollapseAll = NewItem(this, {u"NTreeCollapseAll", tr("Свернуть всё"),
                                      QKeySequence(Qt::CTRL | Qt::ALT | Qt::Key_E)});
    NTreeExpandChild = NewItem(this, {u"NTreeExpandChild", tr("Развернуть все дочерние(*)")});
    NCollapseChild = NewItem(this, {u"NCollapseChild", tr("Свернуть все дочерние")});
    NTreeMultiSelect = NewCheckItem(this, {u"NTreeMultiSelect", tr("Мультивыделение")}, true);
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
    // Their submenu stays hidden, which keeps their keys (Ctrl+C among them) inactive.
    NTreeMultiSelectModeGroup->addAction(NTreeMultiSelectModeUnification);
    NTreeMultiSelectModeGroup->addAction(NTreeMultiSelectModeCrossing);
    SASCMINI1 = NewItem(this, {u"SASCMINI1", tr("Сведения об SASCM.INI...")});
    SASCMINI1->setVisible(false);

    createListActions();
}

void TFormMain::createListActions() {
    const std::array<QAction*, 4> copyItems = NewCopyItems(this, OpListView);
    NCopyOp = copyItems[0];
    NCopyAddOp = copyItems[1];
    NCopyAll = copyItems[2];
    NCopyAddAll = copyItems[3];

    // The look-up actions: their keys work anywhere in the window.
    for (const LookupSiteInfo& site : LookupSites()) {
        auto* action = new QAction(this);
        action->setObjectName(FromUtf8(site.actionName));
        action->setShortcut(QKeySequence(FromUtf8(site.shortcut), QKeySequence::PortableText));
        action->setProperty("category", tr("Интернет-ресурсы"));
        action->setProperty("menuItem", FromUtf8(site.menuItemName));
        addAction(action);
        (site.site == LookupSite::OpcodeBase ? BrowseOpcodeBase
         : site.site == LookupSite::Wiki     ? BrowseWiki
                                             : BrowseIniEditor) = action;
    }
    ShowLookupSites();
    HelpIntro = NewItem(this, {u"HelpIntro", tr("&Интро...")});
    HelpIntro->setProperty("category", tr("Справка"));
    HelpIntro->setProperty("menuItem", QStringLiteral("NAbout"));
}

void TFormMain::createMenus() {
    NFile = NewMenu(this, u"NFile", tr("Файл"));
    NFile->addActions({NReExe, NExit});
    NFind = NewMenu(this, u"NFind", tr("Поиск"));
    NFind->addAction(NFindWin);
    NFind->addSeparator();
    NFind->addAction(NFindInOST);
    // The icons come with the first opening of either menu: reading them would only slow
    // the start down.
    for (QMenu* menu : {NFile, NFind})
        connect(menu, &QMenu::aboutToShow, this, [this] {
            if (!NReExe->icon().isNull())
                return;
            NReExe->setIcon(style()->standardIcon(QStyle::SP_BrowserReload));
            NExit->setIcon(style()->standardIcon(QStyle::SP_DialogCloseButton));
            NFindWin->setIcon(
                QIcon::fromTheme(QStringLiteral("edit-find"),
                                 style()->standardIcon(QStyle::SP_FileDialogContentsView)));
        });

    NView = NewMenu(this, u"NView", tr("Вид"));
    NViewOpList = NewMenu(NView, u"NViewOpList", tr("Расшир. список опкодов"));
    NViewOpList->addActions({NOpListGridline, NOpListRowselect, NShowOpcodeN, NOpListFont});
    NViewTree = NewMenu(NView, u"NViewTree", tr("Дерево"));
    NViewTree->addActions({NTreeShow, NTreeAutoExpand, NTreeLines});
    NView->addMenu(NViewOpList);
    NView->addMenu(NViewTree);

    createTreeMenu();
    NHelp = NewMenu(this, u"NHelp", tr("Справка"));
    NHelp->addActions({SASCMINI1, HelpIntro});

    createListPopupMenu();
}

void TFormMain::createMenuBar() {
    QMenuBar* bar = menuBar();
    bar->setObjectName(QStringLiteral("OpMainMenu"));
    for (QMenu* menu : {NFile, NFind, NView, NTree, NHelp})
        bar->addMenu(menu);
}

void TFormMain::createTreeMenu() {
    NTree = NewMenu(this, u"NTree", tr("Дерево"));
    NTree->addActions({NTreeExpandAll, NTreeCollapseAll});
    NTree->addSeparator();
    NTree->addActions({NTreeExpandChild, NCollapseChild});
    AddHiddenSeparator(NTree);
    NTree->addAction(NTreeMultiSelect);
    NTreeMultiSelect->setVisible(false);
    NTreeMultiSelectMode = NewMenu(NTree, u"NTreeMultiSelectMode", tr("При этом показать:"));
    NTreeMultiSelectMode->addActions(
        {NTreeMultiSelectModeUnification, NTreeMultiSelectModeCrossing});
    NTree->addMenu(NTreeMultiSelectMode);
    NTreeMultiSelectMode->menuAction()->setVisible(false);
}

void TFormMain::createListPopupMenu() {
    OpListPopupMenu = NewMenu(this, u"OpListPopupMenu", {});
    OpListPopupMenu->addActions({NCopyOp, NCopyAddOp});
    OpListPopupMenu->addSeparator();
    OpListPopupMenu->addActions({NCopyAll, NCopyAddAll});
    OpListPopupMenu->addSeparator();

    NInternet = new QMenu(tr("&Интернет-ресурсы"), OpListPopupMenu);
    NInternet->setObjectName(QStringLiteral("NInternet"));
    NInternet->menuAction()->setObjectName(QStringLiteral("NInternet"));
    NInternet->menuAction()->setStatusTip(
        tr("Посмотреть информацию об текущем опкоде в интернет-ресурсах."));
    QAction* heading = NInternet->addAction(tr("Посмотреть описание этого опкода в:"));
    heading->setEnabled(false);
    NInternet->addActions({BrowseOpcodeBase, BrowseWiki, BrowseIniEditor});
    OpListPopupMenu->addMenu(NInternet);

    connect(OpListView, &QWidget::customContextMenuRequested, this, [this](const QPoint& pos) {
        OpListPopupMenu->popup(OpListView->viewport()->mapToGlobal(pos));
    });
}

void TFormMain::connectCommands() {
    connect(NReExe, &QAction::triggered, this, Guarded([this] { NReExeClick(); }));
    connect(NExit, &QAction::triggered, this, &QWidget::close);
    connect(HelpIntro, &QAction::triggered, this, Guarded([this] { HelpIntroExecute(); }));
    connectOutsideCommands();
    connectBrowsing();
}
