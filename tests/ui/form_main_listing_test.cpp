// The opcode list follows the tree's selection and the type filter; the counts go to
// both windows' status bars.
#include <QAction>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QTest>
#include <QTreeWidget>

#include "tests/ui/browse_fixture.h"

namespace {

QStringList Numbers(const QStringList& captions) {
    QStringList numbers;
    for (const QString& caption : captions)
        numbers.append(caption.left(4));
    return numbers;
}

using ListingTest = BrowseTest;

TEST_F(ListingTest, CategoryRowsInLineOrderThroughTheTypeFilter) {
    OpenShown();
    // The loading ticks every type without listing anything.
    EXPECT_FALSE(form->NInternet->menuAction()->isEnabled());
    find->StatusPanel(1)->setText(QStringLiteral(u"Найдено: 5"));

    ClickNode(QStringLiteral(u"Все"));
    // All types ticked: every entry with a type, in line order; 0007 has none.
    EXPECT_EQ(Numbers(Column(0)), (QStringList{QStringLiteral("0005"), QStringLiteral("0003"),
                                               QStringLiteral("0001"), QStringLiteral("0006"),
                                               QStringLiteral("0002"), QStringLiteral("0004")}));
    EXPECT_EQ(CellText(form->OpListView, 0), QStringLiteral(u"0005: beta значение"));
    EXPECT_EQ(CellText(form->OpListView, 0, 1), QStringLiteral(u"beta"));
    EXPECT_EQ(CellText(form->OpListView, 0, 2), QStringLiteral(u"Z, "));
    EXPECT_EQ(CellText(form->OpListView, 0, 3), QStringLiteral(u" 9"));
    EXPECT_EQ(CellText(form->OpListView, 5, 2), QStringLiteral(u"a, Б, "));
    // The count is the line's, untyped entry included.
    EXPECT_EQ(Panel(1), QStringLiteral(u"Опкодов: 7"));
    EXPECT_EQ(Panel(0), QStringLiteral(u"Готов."));
    EXPECT_EQ(FindPanel(1), QStringLiteral(u"Найдено: 0"));
    EXPECT_EQ(FindPanel(2), QStringLiteral(u"из: 7"));
    EXPECT_TRUE(form->NInternet->menuAction()->isEnabled());

    for (int type = 0; type < 3; ++type)
        ClickTypeBox(type);
    EXPECT_EQ(form->CheckListBoxType->item(2)->checkState(), Qt::Unchecked);
    EXPECT_EQ(form->OpListView->Rows()->Count(), 0);
    EXPECT_EQ(Panel(1), QStringLiteral(u"Опкодов: 7"));

    ClickTypeBox(2); // "Б" alone: its opcodes, 0004 among them by its second type
    EXPECT_EQ(Numbers(Column(0)), (QStringList{QStringLiteral("0003"), QStringLiteral("0006"),
                                               QStringLiteral("0004")}));
    // The ticks stay for the next category.
    ClickNode(QStringLiteral(u"Повторы"));
    EXPECT_EQ(form->OpListView->Rows()->Count(), 0);
    EXPECT_EQ(Panel(1), QStringLiteral(u"Опкодов: 4"));
}

TEST_F(ListingTest, RepeatedNumbersGiveRepeatedRows) {
    OpenShown();
    ClickNode(QStringLiteral(u"Повторы"));
    EXPECT_EQ(Numbers(Column(0)), (QStringList{QStringLiteral("0002"), QStringLiteral("0001"),
                                               QStringLiteral("0002")}));
    EXPECT_EQ(Panel(1), QStringLiteral(u"Опкодов: 4"));
}

TEST_F(ListingTest, SeveralOrNoSelectedNodesListNothing) {
    OpenShown();
    ClickNode(QStringLiteral(u"Все"));
    find->StatusPanel(1)->setText(QStringLiteral(u"Найдено: 2"));
    ClickNode(QStringLiteral(u"Повторы"), Qt::ControlModifier);
    EXPECT_EQ(form->OpTreeView->selectedItems().size(), 2);
    EXPECT_EQ(form->OpListView->Rows()->Count(), 0);
    EXPECT_EQ(Panel(1), QStringLiteral(u"Опкодов: 0"));
    EXPECT_EQ(Panel(0), QStringLiteral(u"Готов."));
    EXPECT_EQ(FindPanel(1), QStringLiteral(u"Найдено: 0"));
    EXPECT_EQ(FindPanel(2), QStringLiteral(u"из: 0"));

    // Ctrl-clicking it again leaves "Все" the only selected node, though no longer the
    // current one: the list shows what is selected.
    ClickNode(QStringLiteral(u"Повторы"), Qt::ControlModifier);
    EXPECT_EQ(form->OpTreeView->currentItem(), Node(QStringLiteral(u"Повторы")));
    EXPECT_EQ(form->OpListView->Rows()->Count(), 6);
    EXPECT_EQ(Panel(1), QStringLiteral(u"Опкодов: 7"));

    ClickNode(QStringLiteral(u"Все"), Qt::ControlModifier); // nothing selected now
    EXPECT_TRUE(form->OpTreeView->selectedItems().isEmpty());
    EXPECT_EQ(form->OpListView->Rows()->Count(), 0);
    EXPECT_EQ(Panel(1), QStringLiteral(u"Опкодов: 0"));
}

TEST_F(ListingTest, NodeWithoutDataEmptiesTheListAndKeepsTheTexts) {
    OpenShown();
    ClickNode(QStringLiteral(u"Все"));
    ClickRow(1);
    EXPECT_EQ(Panel(4), QStringLiteral(u"Выделено: 1"));
    find->StatusPanel(1)->setText(QStringLiteral(u"Найдено: 3"));
    form->StatusPanel(0)->setText(QStringLiteral("x"));

    ClickNode(QStringLiteral(u"Пусто"));
    EXPECT_EQ(form->OpListView->Rows()->Count(), 0);
    EXPECT_EQ(Panel(1), QStringLiteral(u"Опкодов: 7"));
    EXPECT_EQ(Panel(0), QStringLiteral("x"));
    EXPECT_EQ(FindPanel(1), QStringLiteral(u"Найдено: 3"));
    EXPECT_EQ(FindPanel(2), QStringLiteral(u"из: 7"));
    // The emptied list has no selected row left to count.
    EXPECT_EQ(Panel(4), QStringLiteral(u"Выделено: 0"));
}

TEST_F(ListingTest, FilterClickWithoutACurrentNodeBeeps) {
    OpenShown();
    // A node selected without ever becoming current.
    QTreeWidget* tree = form->OpTreeView;
    ASSERT_EQ(tree->currentItem(), nullptr);
    tree->selectionModel()->select(tree->indexFromItem(Node(QStringLiteral(u"Все"))),
                                   QItemSelectionModel::Select);
    ASSERT_TRUE(WaitForRebuild());
    fake.sounds.played.clear();
    form->StatusPanel(0)->setText(QStringLiteral("x"));

    ClickTypeBox(0);
    EXPECT_EQ(fake.sounds.played, std::vector<SystemSound>{SystemSound::Default});
    EXPECT_EQ(form->CheckListBoxType->item(0)->checkState(), Qt::Unchecked);
    EXPECT_EQ(form->OpListView->Rows()->Count(), 0);
    EXPECT_EQ(Panel(1), QStringLiteral(u"Опкодов: 0"));
    EXPECT_EQ(Panel(0), QStringLiteral("x"));
    EXPECT_EQ(FindPanel(2), QStringLiteral(u"из: 0"));
    EXPECT_TRUE(form->NInternet->menuAction()->isEnabled());
    EXPECT_TRUE(fake.boxes.errors.isEmpty());
}

} // namespace
