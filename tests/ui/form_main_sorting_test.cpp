// A header click sorts the list once by the column's Windows-1251 bytes; the status bar
// follows the pointer and the selection, and panel 0 the note of the node under the
// pointer.
#include <QHeaderView>
#include <QLabel>
#include <QTest>
#include <QTreeWidget>

#include "tests/ui/browse_fixture.h"

namespace {

using SortingTest = BrowseTest;

TEST_F(SortingTest, EachColumnSortsAscendingByItsBytes) {
    OpenShown();
    ClickNode(QStringLiteral(u"Все"));
    EXPECT_EQ(form->SortColumn, 0);

    // Blank-padded counts first, then two digits, then the variable count; twice the same.
    const QStringList counts = {QStringLiteral(" 0"), QStringLiteral(" 2"),
                                QStringLiteral(" 9"), QStringLiteral("10"),
                                QStringLiteral("11"), QStringLiteral(u"до 255")};
    ClickHeader(3);
    EXPECT_EQ(form->SortColumn, 3);
    EXPECT_EQ(Column(3), counts);
    ClickHeader(3);
    EXPECT_EQ(Column(3), counts);

    // Upper-case Latin, lower-case Latin, then Cyrillic.
    ClickHeader(2);
    EXPECT_EQ(Column(2), (QStringList{QStringLiteral("Z, "), QStringLiteral("Z, "),
                                      QStringLiteral("a, "), QStringLiteral(u"a, Б, "),
                                      QStringLiteral(u"Б, "), QStringLiteral(u"Б, ")}));
    // "№" is 0xB9 in Windows-1251, below every Cyrillic letter (in Unicode it is above).
    ClickHeader(1);
    EXPECT_EQ(Column(1), (QStringList{QStringLiteral("Alpha"), QStringLiteral("beta"),
                                      QStringLiteral(u"№ прыжок"), QStringLiteral(u"Актёр"),
                                      QStringLiteral(u"вызов"), QStringLiteral(u"ждать")}));
    ClickHeader(0);
    EXPECT_EQ(Column(0).join(u' ').left(4), QStringLiteral("0001"));
    EXPECT_EQ(Column(0).last().left(4), QStringLiteral("0006"));
    // Every row keeps its own texts together.
    EXPECT_EQ(CellText(form->OpListView, 0, 1), QStringLiteral(u"ждать"));
}

TEST_F(SortingTest, RebuildListsInLineOrderAgain) {
    OpenShown();
    ClickNode(QStringLiteral(u"Все"));
    const QStringList lineOrder = Column(0);
    ClickHeader(1);
    ASSERT_NE(Column(0), lineOrder);
    ClickNode(QStringLiteral(u"Повторы"));
    ClickNode(QStringLiteral(u"Все"));
    EXPECT_EQ(Column(0), lineOrder);
    EXPECT_EQ(form->SortColumn, 1);
}

TEST_F(SortingTest, SelectionAndFocusStayWithTheirRows) {
    OpenShown();
    ClickNode(QStringLiteral(u"Все"));
    ClickRow(4);                      // 0002
    ClickRow(2, Qt::ControlModifier); // 0001
    ClickRow(3, Qt::ControlModifier); // 0006
    ClickRow(4, Qt::ControlModifier); // 0002 off again, but focused
    ASSERT_EQ(SelectedNumbers(), (QStringList{QStringLiteral("0001"), QStringLiteral("0006")}));
    ClickHeader(3); // " 0" for 0001, "11" for 0006, " 2" for 0002
    EXPECT_EQ(Column(3).first(), QStringLiteral(" 0"));
    EXPECT_EQ(SelectedNumbers(), (QStringList{QStringLiteral("0001"), QStringLiteral("0006")}));
    EXPECT_EQ(CellText(form->OpListView, form->OpListView->currentIndex().row()).left(4), QStringLiteral("0002"));
    EXPECT_EQ(Panel(4), QStringLiteral(u"Выделено: 2"));
}

TEST_F(SortingTest, MovedColumnSortsByTheClickedCaption) {
    OpenShown();
    ClickNode(QStringLiteral(u"Все"));
    form->OpListView->header()->moveSection(3, 0); // "Кол-во парам" dragged to the front
    ClickHeader(0);
    EXPECT_EQ(form->SortColumn, 3);
    EXPECT_EQ(Column(3).last(), QStringLiteral(u"до 255"));
}

TEST_F(SortingTest, PanelsFollowThePointerAndTheSelection) {
    OpenShown();
    ClickNode(QStringLiteral(u"Все"));
    OpcodeListView* list = form->OpListView;
    QTest::mouseMove(list->viewport(), list->visualRect(list->Rows()->index(1, 0)).center());
    EXPECT_EQ(Panel(3), QStringLiteral(u"Текущий: 0003"));
    const QRect last = list->visualRect(list->Rows()->index(5, 0));
    QTest::mouseMove(list->viewport(), QPoint(last.center().x(), last.bottom() + 20));
    EXPECT_EQ(Panel(3), QStringLiteral(u"Текущий: нет"));

    ClickRow(1);
    ClickRow(3, Qt::ShiftModifier);
    EXPECT_EQ(Panel(4), QStringLiteral(u"Выделено: 3"));
    ClickRow(4);
    EXPECT_EQ(Panel(4), QStringLiteral(u"Выделено: 1"));
}

TEST_F(SortingTest, PanelZeroShowsTheNoteOfTheNodeUnderThePointer) {
    OpenShown();
    QTreeWidget* tree = form->OpTreeView;
    const auto moveOnto = [&](const QString& caption) {
        QTest::mouseMove(tree->viewport(), tree->visualItemRect(Node(caption)).center());
    };
    moveOnto(QStringLiteral(u"Повторы"));
    EXPECT_EQ(Panel(0), QStringLiteral(u"Повторы и пропуски"));
    EXPECT_EQ(tree->statusTip(), QStringLiteral(u"Повторы и пропуски"));
    // Anywhere on the node's row, left of its text too.
    QTest::mouseMove(tree->viewport(),
                     QPoint(2, tree->visualItemRect(Node(QStringLiteral(u"Все"))).center().y()));
    EXPECT_EQ(Panel(0), QStringLiteral(u"Все сразу"));
    moveOnto(QStringLiteral(u"Пусто")); // a note without an opcode line is no node data
    EXPECT_EQ(Panel(0), QString());

    // The rebuild's text stands until the hint changes.
    moveOnto(QStringLiteral(u"Повторы"));
    ClickNode(QStringLiteral(u"Повторы"));
    EXPECT_EQ(Panel(0), QStringLiteral(u"Готов."));
    QTest::mouseMove(tree->viewport(),
                     tree->visualItemRect(Node(QStringLiteral(u"Повторы"))).center() +
                         QPoint(3, 0));
    EXPECT_EQ(Panel(0), QStringLiteral(u"Готов."));
    // Below the last node the hint keeps the last note.
    QTest::mouseMove(tree->viewport(), QPoint(20, tree->viewport()->height() - 3));
    EXPECT_EQ(tree->statusTip(), QStringLiteral(u"Повторы и пропуски"));
}

} // namespace
