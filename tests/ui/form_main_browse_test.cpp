// Browsing: the tree's node and the type filter rebuild the list, a header click sorts
// it, the status panels follow the pointer and the selection, the quick-search box's keys
// search, and the View and Tree menus' items change what the list and the tree show.
#include <QAccessible>
#include <QClipboard>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSplitter>
#include <QSplitterHandle>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>

#include "tests/ui/form_fixture.h"
#include "ui/event_hooks.h"
#include "ui/find/form_find.h"

using namespace Qt::StringLiterals;

namespace {

// The crafted database with 0AF0 "ждать машину?" (a variable count, of the first type);
// nodes are named by the start of their captions:
//   Все + (0001 0002 00A1 0AF0; note "Всё сразу")
//     Игрок (0001)
//     Актёры + (00A1 0002)
//       Проверки (no line)
//   Cleo (no line)
class BrowseTest : public FormMainTest {
  protected:
    // Opens both windows on the database; the main one shown and active.
    void SetUp() override {
        CraftedDb db;
        *db.opcodes += "0AF0=-1,ждать машину?\n";
        db.typeLines = "0001 0002 0AF0\n00A1\n";
        form = Open(db);
        find = form->CreateFormFind();
        tree = Named<QTreeWidget>(form.get(), "OpTreeView");
        list = Named<OpcodeListView>(form.get(), "OpListView");
        form->show();
        form->activateWindow();
        ASSERT_TRUE(WaitUntilActive(form.get()));
    }

    QTreeWidgetItem* Node(const char* caption) const {
        return tree->findItems(QString::fromUtf8(caption), Qt::MatchStartsWith | Qt::MatchRecursive)
            .value(0);
    }
    // Clicks the node (its parents must be open) and waits for the list's rebuild.
    void ClickNode(const char* caption, Qt::KeyboardModifiers modifiers = Qt::NoModifier,
                   Qt::MouseButton button = Qt::LeftButton) {
        const QRect row = tree->visualItemRect(Node(caption));
        QTest::mouseClick(tree->viewport(), button, modifiers, {row.left() + 5, row.center().y()});
        WaitForRebuild();
    }
    // The tree's change delay runs from a change of its selection to the list's rebuild.
    void WaitForRebuild() const {
        const QTimer* delay = Named<QTimer>(form.get(), "OpTreeViewChangeDelay");
        ASSERT_TRUE(QTest::qWaitFor([delay] { return !delay->isActive(); }, 2000));
    }
    // The opcode numbers of the rows, or of the selected rows, in display order.
    QString Numbers(bool selectedOnly = false) const {
        QStringList numbers;
        for (int row = 0; row < list->Rows()->Count(); ++row)
            if (!selectedOnly || list->selectionModel()->isRowSelected(row))
                numbers.append(CellText(list, row).left(4));
        return numbers.join(u' ');
    }
    QString Panel(int index) const { return form->StatusPanel(index)->text(); }

    std::unique_ptr<TFormMain> form;
    std::unique_ptr<TFormFind> find;
    QTreeWidget* tree = nullptr;
    OpcodeListView* list = nullptr;
};

TEST_F(BrowseTest, TreeAndTypeFilterRebuildTheListAndBothWindowsCounts) {
    find->StatusPanel(1)->setText(u"Найдено: 5"_s);
    ClickNode("Все");
    const QStringList row0 = {CellText(list, 0, 1), CellText(list, 0, 2), CellText(list, 0, 3)};
    EXPECT_EQ(Numbers() + u'|' + row0.join(u'|'), u"0001 0002 00A1 0AF0|ждать %1d% мс|Д, | 1"_s);
    EXPECT_EQ(Panel(0) + Panel(1) + find->StatusPanel(1)->text() + find->StatusPanel(2)->text(),
              u"Готов.Опкодов: 4Найдено: 0из: 4"_s);
    EXPECT_TRUE(Named<QMenu>(form.get(), "NInternet")->menuAction()->isEnabled());
    auto* types = Named<QListWidget>(form.get(), "CheckListBoxType");
    types->item(0)->setCheckState(Qt::Unchecked);
    EXPECT_EQ(Numbers(), u"00A1"_s);
    // Two selected nodes list nothing; Ctrl-clicking one off lists the other, though it
    // is not the current node. The type ticks stay.
    ClickNode("Актёры");
    ClickNode("Все", Qt::ControlModifier);
    EXPECT_EQ(Numbers() + Panel(1) + find->StatusPanel(2)->text(), u"Опкодов: 0из: 0"_s);
    ClickNode("Актёры", Qt::ControlModifier);
    EXPECT_EQ(Numbers() + Panel(1), u"00A1Опкодов: 4"_s);
    // A right or middle click on a node, a click on the empty space below the nodes and a
    // drag across them select nothing.
    for (const Qt::MouseButton button : {Qt::RightButton, Qt::MiddleButton})
        ClickNode("Игрок", {}, button);
    QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, {5, tree->viewport()->height() - 2});
    QTest::mousePress(tree->viewport(), Qt::LeftButton, {},
                      tree->visualItemRect(Node("Все")).center());
    const QPoint to = tree->visualItemRect(Node("Игрок")).center();
    QTest::mouseMove(tree->viewport(), to);
    QTest::mouseRelease(tree->viewport(), Qt::LeftButton, {}, to);
    WaitForRebuild();
    EXPECT_EQ(Numbers() + Panel(1), u"00A1Опкодов: 4"_s);
    // A node without a line empties the list and leaves the texts.
    SelectRows(list, {0});
    form->StatusPanel(0)->setText(u"x"_s);
    ClickNode("Проверки");
    EXPECT_EQ(Numbers() + Panel(0) + Panel(1) + Panel(4), u"xОпкодов: 4Выделено: 0"_s);
    // A filter click while no node is current beeps.
    tree->setCurrentItem(nullptr);
    tree->selectionModel()->select(tree->indexFromItem(Node("Все")), QItemSelectionModel::Select);
    fake.sounds.played.clear();
    types->item(0)->setCheckState(Qt::Checked);
    EXPECT_EQ(fake.sounds.played, std::vector<SystemSound>{SystemSound::Default});
}

// (Panel 4's count of selected rows: the first test here after a rebuild, and the black-box
// look-up scenario after a look-up's selection.)
TEST_F(BrowseTest, PanelsFollowThePointerAndAutoExpandHitsTheClickedNode) {
    ClickNode("Актёры"); // 00A1 0002
    QTest::mouseMove(list->viewport(), list->visualRect(list->Rows()->index(1, 0)).center());
    EXPECT_EQ(Panel(3), u"Текущий: 0002"_s);
    // Panel 0: the note of the node under the pointer, anywhere on its row; none for a
    // node without a line. The rebuild's text stands until the hint changes.
    const auto onto = [this](const char* node, int x) {
        QTest::mouseMove(tree->viewport(), {x, tree->visualItemRect(Node(node)).center().y()});
        return Panel(0);
    };
    const QStringList notes = {onto("Все", 2), onto("Проверки", 60), onto("Все", 50)};
    EXPECT_EQ(notes.join(u'|'), u"Всё сразу||Всё сразу"_s);
    ClickNode("Все");
    EXPECT_EQ(onto("Все", 2), u"Готов."_s);

    // With auto-expand, a click lands on the clicked node.
    Trigger(form.get(), "NTreeAutoExpand");
    ClickNode("Актёры");
    // Closing "Актёры" moves the rows below it up; the click still lands on "Cleo".
    ClickNode("Cleo");
    EXPECT_FALSE(Node("Актёры")->isExpanded());
    EXPECT_EQ(tree->selectedItems(), QList<QTreeWidgetItem*>{Node("Cleo")});
}

TEST_F(BrowseTest, QuickSearchKeysSearchTheBoxsFirstLineAndAHeaderClickSorts) {
    ClickNode("Все");
    auto* box = Named<QPlainTextEdit>(form.get(), "OpMemoFind");
    // Only what shows on the first line is searched, trailing blank included. Texts are
    // Windows-1251: a character the code page lacks is in no caption (not even as "?").
    // Keypad Enter searches as the keys of the key table do, and never reaches the box.
    for (const auto& [text, number] : {std::pair{u"wait "_s + QString(300, u'q'), "0001"},
                                       std::pair{u"✓"_s, ""}, std::pair{u"?"_s, "0AF0"}}) {
        box->setPlainText(text);
        QTest::keyClick(box, Qt::Key_Enter, Qt::KeypadModifier);
        EXPECT_EQ(Numbers(true), QString::fromLatin1(number)) << text.left(9).toStdString();
        EXPECT_EQ(box->toPlainText(), text);
    }
    // A header click sorts once, the selection and the focused row kept.
    SelectRows(list, {0, 2});
    list->selectionModel()->setCurrentIndex(list->Rows()->index(2, 0),
                                            QItemSelectionModel::NoUpdate);
    Q_EMIT list->header()->sectionClicked(1); // the translation: only 0001 has one
    EXPECT_EQ(Numbers() + u'|' + Numbers(true) + u'|' + QString::number(list->currentIndex().row()),
              u"0002 00A1 0AF0 0001|00A1 0001|1"_s);
}

TEST_F(BrowseTest, ViewAndTreeItemsChangeHowTheListAndTheTreeShow) {
    Trigger(form.get(), "NOpListRowselect");
    const FontChoice initial{form->font(), list->palette().color(QPalette::Text)};
    fake.fonts.answer = FontChoice{QFont(u"DejaVu Serif"_s, 20), Qt::darkRed};
    Trigger(form.get(), "NOpListFont");
    Trigger(form.get(), "NOpListFont"); // it opens with the font and colour last confirmed
    EXPECT_EQ(fake.fonts.shown, (std::vector<FontChoice>{initial, *fake.fonts.answer}));
    EXPECT_EQ(list->font().pointSize(), 20);
    EXPECT_EQ(list->palette().color(QPalette::Text), QColor(Qt::darkRed));
    Node("Проверки")->setText(0, QString(60, u'щ'));
    Trigger(form.get(), "NTreeCollapseAll"); // the first root's branch
    EXPECT_FALSE(Node("Все")->isExpanded() || Node("Актёры")->isExpanded());
    Trigger(form.get(), "NTreeExpandAll");
    EXPECT_TRUE(Node("Актёры")->isExpanded());
    // A name too long for the panel: whole, with a scroll bar to reach its end.
    EXPECT_TRUE(QTest::qWaitFor([&] {
        return tree->visualItemRect(Node("щ")).width() >
               tree->fontMetrics().horizontalAdvance(QString(60, u'щ')) + 16;
    }));
    Trigger(form.get(), "NTreeExpandChild"); // no current node
    EXPECT_EQ(fake.boxes.errors, QStringList{u"Ни одна категория не выделена!"_s});
    const QImage branches = tree->viewport()->grab().toImage();
    Trigger(form.get(), "NTreeLines");
    EXPECT_NE(tree->viewport()->grab().toImage(), branches);

    ClickNode("Все");
    const auto cell = [&] { return list->visualRect(list->Rows()->index(2, 1)); };
    const QRect plain = cell();
    EXPECT_EQ(list->visualRect(list->Rows()->index(2, 0)).left(), 0); // no room for a root
    const QImage before = list->viewport()->grab(plain.adjusted(0, 0, -1, 0)).toImage();
    Trigger(form.get(), "NOpListGridline");
    ASSERT_TRUE(QTest::qWaitFor([&] { return cell().height() == plain.height() + 1; }, 1000));
    // Lines along the bottom of a row and between its columns, on pixels of their own: the
    // cell keeps every pixel row it had (underscores sit on the last one).
    const QRect lined = cell();
    const QImage shown = list->viewport()->grab().toImage();
    EXPECT_EQ(shown.copy(lined.adjusted(0, 0, -1, -1)), before);
    // The grid, and the tree's lines and boxes (every pixel its branch column draws), stand
    // out from the base under the light palette and a dark one whose dark and mid tones lie
    // close to its base, as Adwaita's dark theme has them.
    QPalette dark(QColor(0x2d2d2d));
    for (const auto& [role, rgb] : {std::pair{QPalette::Base, 0x242424},
                                    {QPalette::Dark, 0x212121},
                                    {QPalette::Mid, 0x262626},
                                    {QPalette::WindowText, 0xeeeeec}})
        dark.setColor(role, QColor(rgb));
    Trigger(form.get(), "NTreeLines");
    for (const QPalette& palette : {form->palette(), dark}) {
        form->setPalette(palette);
        const int base = palette.color(QPalette::Base).lightness();
        const auto clear = [base](QRgb p) { return std::abs(QColor(p).lightness() - base) >= 48; };
        const QImage grid = list->viewport()->grab().toImage();
        const QImage darkBranches = tree->viewport()->grab().toImage();
        EXPECT_TRUE(clear(grid.pixel(lined.center().x(), lined.bottom())) &&
                    clear(grid.pixel(lined.right(), lined.center().y())));
        int drawn = 0, faint = 0;
        for (int y = 0; y < darkBranches.height(); ++y)
            for (int x = 0; x < tree->indentation(); ++x)
                if (QColor(darkBranches.pixel(x, y)).lightness() != base)
                    ++(clear(darkBranches.pixel(x, y)) ? drawn : faint);
        EXPECT_TRUE(drawn > 10 && faint == 0) << drawn << ' ' << faint;
    }
    Trigger(form.get(), "NTreeShow"); // the tree's panel closes to a strip
    EXPECT_EQ(Named<QWidget>(form.get(), "Panel1")->width(), 1);
    // Splitter1 dragged open stops at its least size; dragged across the window, at the
    // least size of the list's panel, whatever the right panel holds; Splitter2 dragged
    // then towards the list leaves it that least size.
    const auto drag = [this](const char* splitter, int by, const char* panel) {
        auto* handle = Named<QSplitterHandle>(form.get(), splitter);
        const QPoint grip = handle->rect().center();
        QTest::mousePress(handle, Qt::LeftButton, {}, grip);
        QTest::mouseMove(handle, grip + QPoint(by, 0));
        QTest::mouseRelease(handle, Qt::LeftButton, {}, grip + QPoint(by, 0));
        return Named<QWidget>(form.get(), panel)->width();
    };
    EXPECT_EQ(drag("Splitter1", 5, "Panel1"), 30);
    EXPECT_EQ(drag("Splitter1", 2000, "Panel2"), 30);
    for (const int by : {-27, -2000})
        EXPECT_EQ(drag("Splitter2", by, "Panel2"), 30) << by;
}

// Every control of both windows that takes the focus, and each splitter handle, tells a
// screen reader its name, its hint as its description and a role of its own, and the tree's
// hidden header is not "1". (Which names and roles, and the focused cell as the focus moves
// with its role, text and lack of actions, the black-box test reads through the desktop's
// accessibility interface.)
TEST_F(BrowseTest, ScreenReadersGetANameAndARoleForEveryControl) {
    QStringList unnamed;
    for (QWidget* control : form->findChildren<QWidget*>() + find->findChildren<QWidget*>()) {
        const QAccessibleInterface* told = QAccessible::queryAccessibleInterface(control);
        if (!control->isHidden() &&
            ((control->focusPolicy() != Qt::NoFocus && !qobject_cast<QMenu*>(control)) ||
             qobject_cast<QSplitterHandle*>(control)))
            if (told->text(QAccessible::Name).isEmpty() || told->role() == QAccessible::Client ||
                told->text(QAccessible::Description) != control->statusTip())
                unnamed.append(control->objectName() + QString::number(told->role()));
    }
    EXPECT_EQ(unnamed.join(u' '), QString());
    QAccessibleInterface* treeItems = QAccessible::queryAccessibleInterface(tree);
    EXPECT_EQ(treeItems->child(0)->text(QAccessible::Name), u"Категория"_s);
    // The opcode list is a table of cells under its captions.
    ClickNode("Все");
    QAccessibleInterface* table = QAccessible::queryAccessibleInterface(list);
    ASSERT_EQ(table->role(), QAccessible::Table);
    ASSERT_EQ(table->tableInterface()->rowCount(), list->Rows()->Count());
    QAccessibleInterface* cell = table->tableInterface()->cellAt(2, 1);
    EXPECT_EQ(cell->tableCellInterface()->columnHeaderCells().value(0)->text(QAccessible::Name),
              list->Rows()->headerData(1, Qt::Horizontal).toString());
}

// Every key of the two windows with the focus on each control in turn: the main window's
// list, quick-search box, note memo, edit box, button, tree and type list, then the search
// window's three fields and its result list. A cell says what the key did: R restart, F
// search window shown, E tree expanded, C tree collapsed, W web look-up, c the window's
// copy, q the main list's selection moved, > and < the focus to the next and the previous
// control of the Tab order; ! the system clipboard, a text or the tree changed or the
// focus went elsewhere; . nothing; * more than one of these.
TEST_F(BrowseTest, EachKeyActsWhereTheWindowsSayWhateverControlHasTheFocus) {
    const std::pair<const char*, const char*> keys[] = {
        {"Ctrl+R", "RRRRRRR...."},     {"F3", "FFFFFFF...."},        {"Ctrl+E", "EEEEEEE...."},
        {"Ctrl+Alt+E", "CCCCCCC...."}, {"Ctrl+F1", "WWWWWWW...."},   {"Ctrl+F2", "WWWWWWW...."},
        {"Ctrl+F3", "WWWWWWW...."},    {"Ctrl+C", "c.........c"},    {"Ctrl+Alt+C", "c.........c"},
        {"Return", ".q.....qqqq"},     {"Ctrl+K", ".q........."},    {"Ctrl+I", ".q........."},
        {"Tab", ">>>>>>>>>>>"},        {"Shift+Tab", "<<<<<<<<<<<"}, {"X", "..........."}};
    ClickNode("Все");
    // Each window's controls in their Tab order.
    const char* names[] = {"OpListView", "OpMemoFind",       "OpMemoNote",   "Edit1",  "Button1",
                           "OpTreeView", "CheckListBoxType", "EditYes",      "EditNo", "BitBtn1",
                           "ButtonFind", "EditOr",           "ListViewFind", "BtnAll"};
    const auto control = [&](std::size_t i) {
        return Named<QWidget>(i < 7 ? static_cast<QObject*>(form.get()) : find.get(), names[i]);
    };
    const auto state = [&] {
        return QString::asprintf("%zu %d %d %d %lld %d", fake.processes.calls.size(),
                                 find->isVisible(), Node("Актёры")->isExpanded(),
                                 !Node("Все")->isExpanded(), fake.shell.opened.size(),
                                 fake.clipboard.writes)
                   .split(u' ')
               << QGuiApplication::clipboard()->text() + tree->currentIndex().data().toString() +
                      static_cast<QPlainTextEdit*>(control(2))->toPlainText()
               << Numbers(true);
    };
    // While the right panel is the strip it opens as, Tab passes over its controls; the
    // table has it open.
    control(1)->setFocus();
    QTest::keyClick(control(1), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), control(5));
    Named<QSplitter>(form.get(), "RightSplit")->setSizes({400, 221});
    fake.processes.result = {false, u"no"_s};
    // The desktop's line edits bind Ctrl+E themselves (to the end of the line), as the
    // offscreen platform's do not: here the edit box claims every key for itself.
    OnEvent(control(3), QEvent::ShortcutOverride,
            [](QEvent* event) { return event->accept(), false; });
    QGuiApplication::clipboard()->setText(u"kept"_s);
    QString table, wanted;
    for (const auto& [sequence, expected] : keys) {
        table += QString::fromLatin1(sequence) + u' ';
        wanted += QString::fromLatin1(sequence) + u' ' + QString::fromLatin1(expected) + u'\n';
        for (const std::size_t at : {0, 1, 2, 3, 4, 5, 6, 7, 8, 11, 12}) {
            const std::size_t base = at < 7 ? 0 : 7;
            find->setVisible(at >= 7);
            control(at)->activateWindow();
            ASSERT_TRUE(WaitUntilActive(control(at)->window()));
            Trigger(form.get(), "NTreeExpandAll");
            Node("Актёры")->setExpanded(false);
            static_cast<QPlainTextEdit*>(control(1))->setPlainText(u"0"_s);
            for (QLineEdit* field : {find->EditYes, find->EditNo, find->EditOr})
                field->clear(); // Ctrl+Alt+E types an "e" into them, as AltGr+E
            find->BtnAll->click();
            SelectRows(find->ListViewFind, {0});
            SelectRows(list, {0});
            control(at)->setFocus();
            const QStringList before = state();
            QTest::keySequence(control(at), QKeySequence(QString::fromLatin1(sequence)));
            const QStringList after = state();
            QString done;
            for (qsizetype k = 0; k < before.size(); ++k)
                if (before[k] != after[k])
                    done += QChar::fromLatin1("RFECWc!q"[k]);
            const QWidget* focus = QApplication::focusWidget();
            if (focus == control(base + (at - base + 1) % 7))
                done += u'>';
            else if (focus == control(base + (at - base + 6) % 7))
                done += u'<';
            else if (focus != control(at))
                done += u'!';
            table += done.size() > 1 ? u'*' : done.isEmpty() ? u'.' : done[0];
        }
        table += u'\n';
    }
    EXPECT_EQ(table.toStdString(), wanted.toStdString());
    EXPECT_TRUE(find->ButtonFind->isDefault()); // though the focus came and went
}

} // namespace
