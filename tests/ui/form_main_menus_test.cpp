// The menus, the list's context menu, the actions and the shortcuts as the window opens.
#include <QAction>
#include <QActionGroup>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QSignalSpy>
#include <QTest>
#include <QTreeWidget>

#include "tests/ui/form_fixture.h"

namespace {

// The menu's items as "caption|shortcut|flags", flags: c checkable, x checked, h hidden,
// d disabled (when shown), > submenu; "-" for a separator ("-h" when hidden).
QStringList Items(const QMenu* menu) {
    QStringList items;
    for (const QAction* a : menu->actions()) {
        if (a->isSeparator()) {
            items.append(a->isVisible() ? QStringLiteral("-") : QStringLiteral("-h"));
            continue;
        }
        QString flags;
        if (a->isCheckable())
            flags += u'c';
        if (a->isChecked())
            flags += u'x';
        if (!a->isVisible())
            flags += u'h';
        if (a->isVisible() && !a->isEnabled())
            flags += u'd'; // hidden ones report disabled
        if (a->menu())
            flags += u'>';
        items.append(a->text() + u'|' + a->shortcut().toString() + u'|' + flags);
    }
    return items;
}

} // namespace

TEST_F(FormMainTest, MainMenuHoldsEveryItemInOrder) {
    auto form = Open();
    QStringList top;
    for (const QAction* a : form->menuBar()->actions())
        top.append(a->text());
    EXPECT_EQ(
        top, (QStringList{QStringLiteral(u"Файл"), QStringLiteral(u"Поиск"), QStringLiteral(u"Вид"),
                          QStringLiteral(u"Дерево"), QStringLiteral(u"Справка")}));
    EXPECT_EQ(form->menuBar()->objectName(), QStringLiteral("OpMainMenu"));

    EXPECT_EQ(Items(form->NFile),
              (QStringList{QStringLiteral(u"ППП(Полный перезапуск программы)|Ctrl+R|"),
                           QStringLiteral(u"В&ыход||")}));
    EXPECT_EQ(form->NExit->statusTip(), QStringLiteral("Exit|Quits the application"));
    // Without opctool.exe and opc.ini the outside search item is hidden.
    EXPECT_EQ(Items(form->NFind),
              (QStringList{QStringLiteral(u"Расширенный поиск...|F3|"), QStringLiteral("-"),
                           QStringLiteral(u"Искать в OST||h")}));
    EXPECT_EQ(Items(form->NViewOpList),
              (QStringList{QStringLiteral(u"Сетка||c"), QStringLiteral(u"Полное выделение||cx"),
                           QStringLiteral(u"Показывать номер опкода в опкоде||cx"),
                           QStringLiteral(u"Шрифт...||")}));
    EXPECT_EQ(Items(form->NViewTree), (QStringList{QStringLiteral(u"Показывать||cx"),
                                                   QStringLiteral(u"Авторазвёртывание||c"),
                                                   QStringLiteral(u"Линии связи||cx")}));
    EXPECT_EQ(Items(form->NView), (QStringList{QStringLiteral(u"Расшир. список опкодов||>"),
                                               QStringLiteral(u"Дерево||>")}));
    EXPECT_EQ(Items(form->NTree),
              (QStringList{QStringLiteral(u"Развернуть всё|Ctrl+E|"),
                           QStringLiteral(u"Свернуть всё|Ctrl+Alt+E|"), QStringLiteral("-"),
                           QStringLiteral(u"Развернуть все дочерние(*)||"),
                           QStringLiteral(u"Свернуть все дочерние||"), QStringLiteral("-h"),
                           QStringLiteral(u"Мультивыделение||cxh"),
                           QStringLiteral(u"При этом показать:||h>")}));
    EXPECT_EQ(Items(form->NTreeMultiSelectMode),
              (QStringList{QStringLiteral(u"Объединение списков|Ctrl+U|cx"),
                           QStringLiteral(u"Пересечение списков|Ctrl+C|c")}));
    EXPECT_EQ(Items(form->NHelp), (QStringList{QStringLiteral(u"Сведения об SASCM.INI...||h"),
                                               QStringLiteral(u"&Интро...||")}));
    for (QAction* withIcon : {form->NReExe, form->NExit, form->NFindWin})
        EXPECT_FALSE(withIcon->icon().isNull());
}

TEST_F(FormMainTest, RadioItemsUncheckEachOther) {
    auto form = Open();
    EXPECT_TRUE(form->NTreeMultiSelectModeGroup->isExclusive());
    form->NTreeMultiSelectModeCrossing->trigger();
    EXPECT_TRUE(form->NTreeMultiSelectModeCrossing->isChecked());
    EXPECT_FALSE(form->NTreeMultiSelectModeUnification->isChecked());
    // Auto-check items flip their own mark.
    form->NShowOpcodeN->trigger();
    EXPECT_FALSE(form->NShowOpcodeN->isChecked());
}

TEST_F(FormMainTest, ListPopupMenuHoldsTheCopyItemsAndTheLookUps) {
    auto form = Open();
    EXPECT_EQ(Items(form->OpListPopupMenu),
              (QStringList{QStringLiteral(u"&Копировать в буфер обмена|Ctrl+C|"),
                           QStringLiteral(u"&Добавить в буфер обмена||"), QStringLiteral("-"),
                           QStringLiteral(u"Копировать &всё в буфер обмена|Ctrl+Alt+C|"),
                           QStringLiteral(u"Добавить вс&ё в буфер обмена||"), QStringLiteral("-"),
                           QStringLiteral(u"&Интернет-ресурсы||d>")}));
    int tag = 1;
    for (QAction* copy : {form->NCopyOp, form->NCopyAddOp, form->NCopyAll, form->NCopyAddAll})
        EXPECT_EQ(copy->property("tag").toInt(), tag++);
    EXPECT_EQ(form->NCopyAll->statusTip(),
              QStringLiteral(u"Копировать все опкоды в списке в буфер обмена"));
    EXPECT_EQ(
        Items(form->NInternet),
        (QStringList{QStringLiteral(u"Посмотреть описание этого опкода в:||d"),
                     QStringLiteral(u"&OpcodeBase|Ctrl+F1|"), QStringLiteral(u"&Wiki|Ctrl+F3|"),
                     QStringLiteral(u"&IniEditor|Ctrl+F2|")}));
    EXPECT_EQ(form->BrowseWiki->statusTip(),
              QStringLiteral(u"Посмотреть описание опкода на сайте Wiki"));
    EXPECT_EQ(form->BrowseWiki->property("category").toString(),
              QStringLiteral(u"Интернет-ресурсы"));
}

TEST_F(FormMainTest, CopyKeysWorkOnlyWhileTheListHasTheFocus) {
    auto form = Open();
    form->show();
    form->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    QSignalSpy copied(form->NCopyOp, &QAction::triggered);
    QSignalSpy copiedAll(form->NCopyAll, &QAction::triggered);
    QSignalSpy crossing(form->NTreeMultiSelectModeCrossing, &QAction::triggered);

    form->OpListView->setFocus();
    QTest::keyClick(form->OpListView, Qt::Key_C, Qt::ControlModifier);
    QTest::keyClick(form->OpListView, Qt::Key_C, Qt::ControlModifier | Qt::AltModifier);
    EXPECT_EQ(copied.count(), 1);
    EXPECT_EQ(copiedAll.count(), 1);

    form->OpMemoFind->setFocus();
    QTest::keyClick(form->OpMemoFind, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(copied.count(), 1);
    EXPECT_EQ(crossing.count(), 0); // the hidden item's Ctrl+C is never reached
}

TEST_F(FormMainTest, WindowShortcutsWorkAnywhereInTheWindow) {
    auto form = Open();
    form->show();
    form->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    QSignalSpy find(form->NFindWin, &QAction::triggered);
    QSignalSpy wiki(form->BrowseWiki, &QAction::triggered);
    QSignalSpy expand(form->NTreeExpandAll, &QAction::triggered);
    form->OpTreeView->setFocus();
    QTest::keyClick(form->OpTreeView, Qt::Key_F3);
    QTest::keyClick(form->OpTreeView, Qt::Key_F3,
                    Qt::ControlModifier); // even with the submenu disabled
    QTest::keyClick(form->OpTreeView, Qt::Key_E, Qt::ControlModifier);
    EXPECT_EQ(find.count(), 1);
    EXPECT_EQ(wiki.count(), 1);
    EXPECT_EQ(expand.count(), 1);
}
