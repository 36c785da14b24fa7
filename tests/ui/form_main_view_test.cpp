// The View menu's options as the list and the tree draw them, the font dialog, the tree
// panel, and the Tree menu's branch commands.
#include <QAction>
#include <QHeaderView>
#include <QImage>
#include <QSplitterHandle>
#include <QTest>
#include <QTreeWidget>

#include "tests/ui/browse_fixture.h"

namespace {

using ViewTest = BrowseTest;

QRgb PixelAt(QWidget* widget, QPoint at) {
    return widget->grab().toImage().pixel(at);
}

// The style may shade a fill a little off its palette colour.
bool Near(QRgb a, const QColor& b) {
    return qAbs(qRed(a) - b.red()) < 8 && qAbs(qGreen(a) - b.green()) < 8 &&
           qAbs(qBlue(a) - b.blue()) < 8;
}

TEST_F(ViewTest, GridLinesAndWholeRowSelection) {
    OpenShown();
    ClickNode(QStringLiteral(u"Все"));
    ClickRow(0);
    OpcodeListView* list = form->OpListView;
    QWidget* viewport = list->viewport();
    const QHeaderView* header = list->header();
    const QColor highlight = list->palette().color(QPalette::Active, QPalette::Highlight);
    const QRect row0 = list->visualRect(list->Rows()->index(0, 0));
    const auto endOf = [&](int column) {
        return QPoint(header->sectionViewportPosition(column) + header->sectionSize(column) - 4,
                      row0.center().y());
    };
    EXPECT_TRUE(Near(PixelAt(viewport, endOf(3)), highlight));

    form->NOpListRowselect->trigger();
    ASSERT_FALSE(form->NOpListRowselect->isChecked());
    EXPECT_TRUE(Near(PixelAt(viewport, endOf(0)), highlight));
    EXPECT_FALSE(Near(PixelAt(viewport, endOf(3)), highlight));
    form->NOpListRowselect->trigger();
    EXPECT_TRUE(Near(PixelAt(viewport, endOf(3)), highlight));

    // Lines along the bottom of an unselected row and between its columns, on pixels of
    // their own: the cell keeps every pixel row it had (underscores sit on the last one).
    const auto cell = [&] {
        const QRect row2 = list->visualRect(list->Rows()->index(2, 0));
        return QRect(header->sectionViewportPosition(1), row2.top(), header->sectionSize(1) - 1,
                     row2.height());
    };
    const QRect plain = cell();
    const QImage plainCell = viewport->grab(plain).toImage();
    const QRgb grid = list->palette().color(QPalette::Active, QPalette::Mid).rgb();
    EXPECT_NE(PixelAt(viewport, QPoint(plain.center().x(), plain.bottom())), grid);
    form->NOpListGridline->trigger();
    ASSERT_TRUE(QTest::qWaitFor([&] { return cell().height() == plain.height() + 1; }, 1000));
    const QRect lined = cell();
    EXPECT_EQ(viewport->grab(lined.adjusted(0, 0, 0, -1)).toImage(), plainCell);
    EXPECT_EQ(PixelAt(viewport, QPoint(lined.center().x(), lined.bottom())), grid);
    const QPoint between(header->sectionViewportPosition(2) - 1, lined.center().y());
    EXPECT_EQ(PixelAt(viewport, between), grid);
    form->NOpListGridline->trigger();
    EXPECT_NE(PixelAt(viewport, between), grid);

    // The number option only flips its own mark.
    form->NShowOpcodeN->trigger();
    EXPECT_EQ(CellText(list, 0), QStringLiteral(u"0005: beta значение"));
}

TEST_F(ViewTest, FontDialogOpensWithTheFontLastConfirmed) {
    OpenShown();
    const QFont listFont = form->OpListView->font();
    form->NOpListFont->trigger(); // cancelled
    ASSERT_EQ(fake.fonts.shown.size(), 1u);
    EXPECT_EQ(fake.fonts.shown[0], form->font());
    EXPECT_EQ(form->OpListView->font(), listFont);

    QFont large(QStringLiteral("DejaVu Serif"), 20, QFont::Bold, true);
    fake.fonts.answer = large;
    form->NOpListFont->trigger();
    EXPECT_EQ(fake.fonts.shown[1], form->font());
    EXPECT_EQ(form->OpListView->font().family(), large.family());
    EXPECT_EQ(form->OpListView->font().pointSize(), 20);
    EXPECT_TRUE(form->OpListView->font().bold() && form->OpListView->font().italic());
    // The captions still fit their columns in the larger font.
    const QHeaderView* header = form->OpListView->header();
    EXPECT_GE(header->sectionSize(3),
              header->fontMetrics().horizontalAdvance(form->OpListView->Rows()->headerData(3, Qt::Horizontal).toString()));

    form->OpListView->setFont(listFont);
    fake.fonts.answer.reset();
    form->NOpListFont->trigger();
    EXPECT_EQ(fake.fonts.shown[2], large);
    EXPECT_EQ(form->OpListView->font().pointSize(), listFont.pointSize());
}

TEST_F(ViewTest, TreePanelClosesToOnePixelAndReopensAtItsDesignedWidth) {
    OpenShown();
    auto* handle = form->findChild<QSplitterHandle*>(QStringLiteral("Splitter1"));
    const QPoint grip = handle->rect().center();
    QTest::mousePress(handle, Qt::LeftButton, {}, grip);
    QTest::mouseMove(handle, grip + QPoint(100, 0));
    QTest::mouseRelease(handle, Qt::LeftButton, {}, grip + QPoint(100, 0));
    ASSERT_GT(form->Panel1->width(), 250);

    form->NTreeShow->trigger();
    EXPECT_EQ(form->Panel1->width(), 1);
    form->NTreeShow->trigger();
    EXPECT_EQ(form->Panel1->width(), 185);
}

TEST_F(ViewTest, AutoExpandFollowsTheSelectionAndTracksThePointer) {
    OpenShown();
    QTreeWidget* tree = form->OpTreeView;
    QWidget* viewport = tree->viewport();
    const QRect empty = tree->visualItemRect(Node(QStringLiteral(u"Пусто")));
    const auto shot = [&](bool over) {
        QTest::mouseMove(viewport, over ? empty.center() : QPoint(5, viewport->height() - 5));
        return viewport->grab(empty).toImage();
    };
    EXPECT_EQ(shot(true), shot(false)); // no hot tracking yet
    ClickNode(QStringLiteral(u"Много"));
    EXPECT_FALSE(Node(QStringLiteral(u"Много"))->isExpanded());

    form->NTreeAutoExpand->trigger();
    EXPECT_NE(shot(true), shot(false));
    ClickNode(QStringLiteral(u"Повторы"));
    EXPECT_TRUE(Node(QStringLiteral(u"Повторы"))->isExpanded());
    ClickNode(QStringLiteral(u"Внутри")); // inside the last branch: it stays open
    EXPECT_TRUE(Node(QStringLiteral(u"Повторы"))->isExpanded());
    // Closing "Повторы" moves the rows below it up; the click still lands on "Пусто".
    ClickNode(QStringLiteral(u"Повторы"));
    ClickNode(QStringLiteral(u"Пусто"));
    EXPECT_FALSE(Node(QStringLiteral(u"Повторы"))->isExpanded());
    EXPECT_EQ(tree->currentItem(), Node(QStringLiteral(u"Пусто")));
    EXPECT_EQ(tree->selectedItems(), QList<QTreeWidgetItem*>{Node(QStringLiteral(u"Пусто"))});
    EXPECT_EQ(form->OpListView->Rows()->Count(), 0);
    ClickNode(QStringLiteral(u"Много"));
    EXPECT_TRUE(Node(QStringLiteral(u"Много"))->isExpanded());
    ClickNode(QStringLiteral(u"Пусто"));
    EXPECT_FALSE(Node(QStringLiteral(u"Много"))->isExpanded());

    form->NTreeAutoExpand->trigger();
    EXPECT_EQ(shot(true), shot(false));
    ClickNode(QStringLiteral(u"Много"));
    EXPECT_FALSE(Node(QStringLiteral(u"Много"))->isExpanded());
}

TEST_F(ViewTest, ConnectingLinesAreDrawnWhenChecked) {
    OpenShown();
    QWidget* viewport = form->OpTreeView->viewport();
    const QRgb line = form->OpTreeView->palette().color(QPalette::Dark).rgb();
    const auto linePixels = [&] {
        const QImage image = viewport->grab().toImage();
        int count = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < form->OpTreeView->indentation() * 2; ++x)
                count += image.pixel(x, y) == line;
        return count;
    };
    const int shown = linePixels();
    EXPECT_GT(shown, 20);
    form->NTreeLines->trigger();
    EXPECT_LT(linePixels(), shown / 2);
    form->NTreeLines->trigger();
    EXPECT_EQ(linePixels(), shown);
}

TEST_F(ViewTest, ExpandAndCollapseAllWorkOnTheFirstRootsBranch) {
    OpenShown();
    QTreeWidget* tree = form->OpTreeView;
    tree->setFocus();
    QTest::keyClick(tree, Qt::Key_E, Qt::ControlModifier);
    EXPECT_TRUE(Node(QStringLiteral(u"Все"))->isExpanded());
    EXPECT_TRUE(Node(QStringLiteral(u"Повторы"))->isExpanded());
    EXPECT_FALSE(Node(QStringLiteral(u"Много"))->isExpanded());

    Node(QStringLiteral(u"Много"))->setExpanded(true);
    QTest::keyClick(tree, Qt::Key_E, Qt::ControlModifier | Qt::AltModifier);
    EXPECT_FALSE(Node(QStringLiteral(u"Все"))->isExpanded());
    EXPECT_FALSE(Node(QStringLiteral(u"Повторы"))->isExpanded()); // closed below as well
    EXPECT_TRUE(Node(QStringLiteral(u"Много"))->isExpanded());
}

TEST_F(ViewTest, BranchCommandsWorkOnTheCurrentNode) {
    OpenShown();
    const QStringList opened = Outline(form->OpTreeView);
    form->NCollapseChild->trigger();
    form->NTreeExpandChild->trigger();
    EXPECT_EQ(fake.boxes.errors, (QStringList{QStringLiteral(u"Ни одна категория не выделена!"),
                                              QStringLiteral(u"Ни одна категория не выделена!")}));
    EXPECT_TRUE(fake.sounds.played.empty());
    EXPECT_EQ(Outline(form->OpTreeView), opened);

    ClickNode(QStringLiteral(u"Все"));
    Node(QStringLiteral(u"Много"))->setExpanded(true);
    form->NTreeExpandChild->trigger();
    EXPECT_TRUE(Node(QStringLiteral(u"Повторы"))->isExpanded());
    form->NCollapseChild->trigger();
    EXPECT_FALSE(Node(QStringLiteral(u"Все"))->isExpanded());
    EXPECT_FALSE(Node(QStringLiteral(u"Повторы"))->isExpanded());
    EXPECT_TRUE(Node(QStringLiteral(u"Много"))->isExpanded());
    EXPECT_EQ(fake.boxes.errors.size(), 2);
}

} // namespace
