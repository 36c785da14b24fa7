// The search window, the hints, the copy items and the outside tool's hand-over, on both
// windows over the crafted database, the main list filled by the test itself the way the
// listing fills it (rows of a caption and a translation, UTF-8 here, Windows-1251 bytes in
// the rows); and a list's rows as the searches select them.
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QScrollBar>
#include <QSplitter>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>
#include <QWindow>
#include <deque>
#include <filesystem>

#include "opcodes/cp1251.h"
#include "tests/ui/form_fixture.h"
#include "ui/find/form_find.h"
#include "ui/hint_tracker.h"
#include "ui/opcode_rows.h"

namespace fs = std::filesystem;
using namespace Qt::StringLiterals;

// The rows the main list starts with: caption and translation; row 3 has no translation.
const std::vector<std::pair<std::string, std::string>> kSampleRows = {
    {"0001: wait %1d% ms", "ждать"},
    {"0002: jump %1p%", "прыжок"},
    {"00A1: put_actor %1d% at %2d% %3d%", "поставить актёра"},
    {"00A5: actor_WAITING %1d%", ""},
    {"0A8C: Ждать актёра %1d%", "ждать актёра"},
    {"0AF0: ждать машину", "ждать машину"}};

class SearchWindowsTest : public FormMainTest {
  protected:
    void SetUp() override {
        formMain = Open();
        formFind = formMain->CreateFormFind();
        FillMainList(kSampleRows);
    }
    // Replaces the main list's rows; no row is focused afterwards.
    void FillMainList(const decltype(kSampleRows)& rows) {
        std::vector<OpcodeRowModel::Row> viewed;
        for (const auto& [caption, translation] : rows)
            viewed.push_back({bytes_.emplace_back(Utf8ToCp1251(caption)),
                              bytes_.emplace_back(Utf8ToCp1251(translation))});
        formMain->OpList()->Rows()->SetRows(std::move(viewed));
    }
    // The results after a search for the words.
    QStringList Search(QPushButton* button, const char* yes) {
        formFind->EditYes->setText(QString::fromUtf8(yes));
        button->click();
        QStringList texts;
        for (int i = 0; i < formFind->ListViewFind->Rows()->Count(); ++i)
            texts.append(CellText(formFind->ListViewFind, i));
        return texts;
    }
    QString Panel(int index) const { return formFind->StatusPanel(index)->text(); }

    std::deque<std::string> bytes_; // the bytes the main list's rows point at
    std::unique_ptr<TFormMain> formMain;
    std::unique_ptr<TFormFind> formFind; // destroyed first: it refers to the main window
};

// "Поиск!" selects the next match in the main list and wraps after the last; "Искать всё"
// lists the matches of the three fields and leaves the main list alone. The panels change
// when a pass has run to its end; a search at the minimum height grows the window.
// Show-in-list (a double click too) selects the focused result in the main list, or warns
// when the main list no longer holds it.
TEST_F(SearchWindowsTest, ButtonsAndShowInListActOnTheMainList) {
    formFind->resize(400, formFind->minimumHeight());
    SelectRows(formMain->OpList(), {0});
    EXPECT_EQ(Search(formFind->ButtonFind, "actor"), QStringList());
    EXPECT_EQ(SelectedRows(formMain->OpList()), std::vector<int>{2});
    EXPECT_EQ(Panel(0) + QString::number(formFind->height()), QStringLiteral(u"Поиск...268"));
    formFind->resize(400, 200);
    Search(formFind->ButtonFind, "actor");
    Search(formFind->ButtonFind, "actor");
    EXPECT_EQ(SelectedRows(formMain->OpList()), std::vector<int>{2});
    EXPECT_EQ(Panel(0) + QString::number(formFind->height()), QStringLiteral(u"Готово.200"));

    OpcodeListView* results = formFind->ListViewFind;
    Search(formFind->BtnAll, "actor");
    results->setCurrentIndex(results->Rows()->index(1, 0));
    Q_EMIT results->doubleClicked(results->currentIndex());
    EXPECT_EQ(SelectedRows(formMain->OpList()), std::vector<int>{3});
    FillMainList({kSampleRows[0]}); // another category
    formFind->NShow->trigger();
    EXPECT_EQ(fake.sounds.played, std::vector<SystemSound>{SystemSound::Information});
    EXPECT_TRUE(fake.boxes.warnings.value(0).startsWith(QStringLiteral(u"Нет в списке!")));

    FillMainList(kSampleRows);
    formFind->EditNo->setText(QStringLiteral("ms WAIT"));
    formFind->EditOr->setText(QStringLiteral(u"put Ждать"));
    EXPECT_EQ(Search(formFind->BtnAll, "%1d%"),
              (QStringList{u"00A1: put_actor %1d% at %2d% %3d%"_s, u"0A8C: Ждать актёра %1d%"_s}));
    EXPECT_EQ(Panel(0) + Panel(1), QStringLiteral(u"Готово.Найдено: 2"));
}

// Closing only hides the window, its fields and results kept; showing it brings a minimised
// one back, owned by the main window. Its panel 3 shows the main window's total, and it
// fades while another window is active. Status panel 0 shows the hint under the mouse (in
// either window) when it changes: a control's own, its parent's for a child without one,
// none for none; going back from a control onto its parent, which gets no Enter, too. In
// menus: the highlighted item's, and a disabled item's although Qt highlights no disabled
// item; none of a menu of no window of the program.
TEST_F(SearchWindowsTest, ShowingKeysFadingAndHints) {
    Search(formFind->BtnAll, "jump");
    formFind->BitBtn1->click();
    EXPECT_FALSE(formFind->isVisible());
    formFind->setWindowState(Qt::WindowMinimized);
    Trigger(formMain.get(), "NFindWin");
    EXPECT_FALSE(formFind->isMinimized());
    ASSERT_TRUE(WaitUntilActive(formFind.get()));
    EXPECT_EQ(formFind->ListViewFind->Rows()->Count(), 1);
    // The main window's own tool window on the desktop.
    EXPECT_EQ(formFind->windowHandle()->transientParent(), formMain->windowHandle());
    const QLabel* panel = Named<QLabel>(formMain.get(), "StatusPanel0");
    const auto hintOver = [&](QWidget* widget, QPoint at) {
        QTest::mouseMove(widget, at);
        QCoreApplication::processEvents();
        return panel->text();
    };
    EXPECT_EQ(hintOver(formFind->EditOr, QPoint(5, 5)), formFind->EditOr->statusTip());
    EXPECT_EQ(HintTracker::LongHint(u"Exit|Quits"_s), u"Quits"_s); // the part after the bar
    EXPECT_EQ(Panel(3), QStringLiteral(u"Всего: 4"));

    formFind->Timer1->stop(); // each change of the active window sets the opacity at once
    formMain->show();
    for (QWidget* active :
         std::initializer_list<QWidget*>{formMain.get(), formFind.get(), formMain.get()}) {
        active->activateWindow();
        ASSERT_TRUE(WaitUntilActive(active));
        EXPECT_EQ(formFind->AlphaBlendValue(), active == formFind.get() ? 252 : 200);
    }
    Named<QSplitter>(formMain.get(), "RightSplit")->setSizes({300, 221}); // the right panel open
    auto* memo = Named<QAbstractScrollArea>(formMain.get(), "OpMemoFind");
    auto* box = Named<QWidget>(formMain.get(), "GroupBox1");
    EXPECT_EQ(hintOver(memo->viewport(), QPoint(5, 5)), memo->statusTip());
    EXPECT_EQ(hintOver(formMain->OpList()->viewport(), QPoint(5, 5)), QString());
    auto* copy = Named<QPushButton>(box, "Button1");
    EXPECT_EQ(hintOver(copy, QPoint(5, 5)), QStringLiteral(u"Скопировать в буфер обмена"));
    // Its width fits its caption in the font it shows it in: the window's.
    EXPECT_EQ(copy->width(), qMax(35, copy->fontMetrics().horizontalAdvance(copy->text()) + 12));
    EXPECT_EQ(hintOver(box, QPoint(2, box->height() - 2)), QString());
    auto* menu = Named<QMenu>(formMain.get(), "OpListPopupMenu");
    menu->popup(formMain->mapToGlobal(QPoint(50, 50)));
    ASSERT_TRUE(QTest::qWaitForWindowExposed(menu));
    menu->setActiveAction(Named(formMain.get(), "NCopyAddOp"));
    EXPECT_EQ(panel->text(), Named(formMain.get(), "NCopyAddOp")->statusTip());
    QAction* internet = Named<QMenu>(formMain.get(), "NInternet")->menuAction();
    ASSERT_FALSE(internet->isEnabled() || internet->statusTip().isEmpty());
    QTest::mouseMove(menu, menu->actionGeometry(internet).center());
    EXPECT_TRUE(QTest::qWaitFor([&] { return panel->text() == internet->statusTip(); }));
    menu->close();
    QMenu stray;
    stray.addAction(u"x"_s)->setStatusTip(u"stray"_s);
    stray.popup(formMain->mapToGlobal(QPoint(50, 50)));
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&stray));
    stray.setActiveAction(stray.actions().value(0));
    EXPECT_NE(panel->text(), u"stray"_s);
}

// The copy items of both lists: the bytes they hand to the clipboard (the keyboard's copy
// is driven end to end by the black-box test). The main list's lines carry their translations, the
// results' are bare; selected rows in list order; the add items put theirs after the clipboard's
// text and a line break. Without a selected row the selection items say so and leave the clipboard
// alone.
TEST_F(SearchWindowsTest, CopyItemsCopyTheirOwnListsRows) {
    FillMainList({kSampleRows[1], kSampleRows[4]});
    Search(formFind->BtnAll, "a"); // only the second row has one
    const std::string actor = Utf8ToCp1251("0A8C: Ждать актёра %1d%");
    const std::pair<QAction*, std::string> cases[] = {
        {Named(formMain.get(), "NCopyAddOp"),
         Utf8ToCp1251("old\r\n0002: jump %1p%   //прыжок\r\n") + actor +
             Utf8ToCp1251("   //ждать актёра")},
        {formFind->NCopyAddOp, "old\r\n" + actor},
        {formFind->NCopyAddAll, "old\r\n\r\n" + actor},
    };
    SelectRows(formMain->OpList(), {1, 0});
    SelectRows(formFind->ListViewFind, {0});
    for (const auto& [item, expected] : cases) {
        fake.clipboard.text = "old";
        item->trigger();
        EXPECT_EQ(fake.clipboard.text, expected) << item->objectName().toStdString();
    }

    SelectRows(formMain->OpList(), {});
    SelectRows(formFind->ListViewFind, {});
    for (QAction* item : {Named(formMain.get(), "NCopyOp"), formFind->NCopyOp, cases[0].first})
        item->trigger();
    EXPECT_EQ(fake.clipboard.writes, 3);
    EXPECT_EQ(fake.boxes.errors, QStringList(3, QStringLiteral(u"Ни один опкод не выделен!")));
    EXPECT_EQ(fake.sounds.played, std::vector<SystemSound>(3, SystemSound::CriticalStop));
}

// The hand-over to the outside search tool where it cannot go through; its way through is
// driven end to end by the black-box test.
// No category: the user is told. A category without an opcode line: nothing happens. A
// "temp.txt" that cannot be written leaves "opc.ini" alone; an "opc.ini" that cannot be
// written leaves the tool unstarted; both go to the error handler.
TEST_F(SearchWindowsTest, HandOverStopsAtItsFirstFailure) {
    auto* tree = Named<QTreeWidget>(formMain.get(), "OpTreeView");
    tree->setCurrentItem(nullptr);
    Trigger(formMain.get(), "NFindInOST");
    EXPECT_EQ(fake.boxes.errors, QStringList{QStringLiteral(u"Ни одна категория не выделена!")});
    EXPECT_EQ(fake.sounds.played, std::vector<SystemSound>{SystemSound::CriticalStop});
    tree->setCurrentItem(tree->topLevelItem(1)); // "Cleo": no opcode line
    Trigger(formMain.get(), "NFindInOST");
    EXPECT_FALSE(fs::exists(dir.path() / "temp.txt"));

    tree->setCurrentItem(tree->topLevelItem(0));
    fs::create_directory(dir.path() / "temp.txt");
    fs::create_directory(dir.path() / "opc.ini");
    Trigger(formMain.get(), "NFindInOST");
    EXPECT_EQ(fake.boxes.errors.value(1), BoxText(u"File access denied"_s, u"EInOutError"_s));
    fs::remove(dir.path() / "temp.txt");
    Trigger(formMain.get(), "NFindInOST");
    const std::string message = "Unable to write to " + (dir.path() / "opc.ini").string();
    EXPECT_EQ(fake.boxes.errors.value(2),
              BoxText(QString::fromStdString(message), QStringLiteral("EIniFileException")));
    EXPECT_TRUE(fs::is_regular_file(dir.path() / "temp.txt"));
    EXPECT_TRUE(fake.processes.calls.empty());
    EXPECT_EQ(fake.boxes.errors.size(), 3);
}

// A list's rows as the searches see them: a match selected and focused, the list scrolled
// only to a row out of sight.

TEST(OpcodeRows, SelectionFocusAndScrolling) {
    OpcodeListView list({u"a"_s});
    list.Rows()->SetRows(std::vector<OpcodeRowModel::Row>(50, {"0010: row"}));
    list.resize(300, 120);
    list.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&list));
    OpcodeRows rows(&list);
    SelectRows(&list, {30});
    rows.SelectFocusScroll(45);
    EXPECT_EQ(SelectedRows(&list), (std::vector<int>{30, 45})); // others keep theirs
    EXPECT_EQ(list.currentIndex().row(), 45);
    EXPECT_TRUE(list.viewport()->rect().intersects(list.visualRect(list.currentIndex())));

    // A row cut by the bottom edge counts as visible: the list stays where it is.
    list.scrollToTop();
    const int rowHeight = list.visualRect(list.Rows()->index(0, 0)).height();
    const int cutHeight = 4 * rowHeight + rowHeight / 2;
    list.resize(300, list.height() - list.viewport()->height() + cutHeight);
    ASSERT_TRUE(QTest::qWaitFor([&] { return list.viewport()->height() == cutHeight; }));
    rows.SelectFocusScroll(4);
    EXPECT_EQ(list.verticalScrollBar()->value(), 0);
}
