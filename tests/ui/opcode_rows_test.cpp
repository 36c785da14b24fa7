#include <QScrollBar>
#include <QTest>
#include <gtest/gtest.h>

#include "opcodes/cp1251.h"
#include "ui/opcode_rows.h"

namespace {

class OpcodeRowsTest : public ::testing::Test {
protected:
    void SetUp() override {
        list_.setColumnCount(2);
        list_.setSelectionMode(QAbstractItemView::ExtendedSelection);
        for (int i = 0; i < 50; ++i) {
            const std::string caption = "00" + std::to_string(10 + i) + ": row";
            list_.addTopLevelItem(NewOpcodeRow({caption, Utf8ToCp1251("строка")}));
        }
        list_.resize(300, 120);
        list_.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&list_));
    }
    QTreeWidget list_;
    OpcodeRows rows_{&list_};
};

TEST_F(OpcodeRowsTest, RowsKeepTheirBytes) {
    EXPECT_EQ(rows_.Count(), 50);
    EXPECT_EQ(rows_.Caption(3), "0013: row");
    EXPECT_EQ(RowBytes(list_.topLevelItem(0), 1), Utf8ToCp1251("строка"));
    EXPECT_EQ(list_.topLevelItem(0)->text(1), QStringLiteral(u"строка"));
    EXPECT_EQ(RowBytes(list_.topLevelItem(0), 3), "");
}

TEST_F(OpcodeRowsTest, SelectionFocusAndScrolling) {
    EXPECT_EQ(rows_.FirstSelected(), -1);
    list_.topLevelItem(30)->setSelected(true);
    list_.topLevelItem(7)->setSelected(true);
    EXPECT_EQ(rows_.FirstSelected(), 7);
    EXPECT_EQ(rows_.SelectedCount(), 2);
    EXPECT_EQ(rows_.SelectedColumn(0), (std::vector<std::string>{"0017: row", "0040: row"}));

    rows_.Deselect(7);
    rows_.SelectFocusScroll(45);
    EXPECT_EQ(rows_.FirstSelected(), 30);
    EXPECT_TRUE(list_.topLevelItem(45)->isSelected());
    EXPECT_TRUE(list_.topLevelItem(30)->isSelected());  // others keep their selection
    EXPECT_EQ(list_.currentItem(), list_.topLevelItem(45));
    const QRect shown = list_.visualItemRect(list_.topLevelItem(45));
    EXPECT_TRUE(list_.viewport()->rect().intersects(shown));

    // A row cut by the bottom edge counts as visible: the list stays where it is.
    list_.scrollToTop();
    const int rowHeight = list_.visualItemRect(list_.topLevelItem(0)).height();
    const int cutHeight = 4 * rowHeight + rowHeight / 2;
    list_.resize(300, list_.height() - list_.viewport()->height() + cutHeight);
    ASSERT_TRUE(QTest::qWaitFor([&] { return list_.viewport()->height() == cutHeight; }));
    rows_.SelectFocusScroll(4);
    EXPECT_EQ(list_.verticalScrollBar()->value(), 0);
    EXPECT_EQ(list_.currentItem(), list_.topLevelItem(4));
}

}  // namespace
