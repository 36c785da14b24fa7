// A list's rows as the searches see them: a match selected and focused, the list scrolled
// only to a row out of sight.
#include <QScrollBar>
#include <QTest>

#include "tests/ui/form_fixture.h"
#include "ui/opcode_rows.h"

TEST(OpcodeRows, SelectionFocusAndScrolling) {
    const std::string caption = "0010: row";
    OpcodeListView list({QStringLiteral("a")});
    list.Rows()->SetRows(std::vector<OpcodeRowModel::Row>(50, {caption}));
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
    EXPECT_EQ(list.currentIndex().row(), 4);
}
