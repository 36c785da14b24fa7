#include <QScrollBar>
#include <QTest>
#include <gtest/gtest.h>

#include <deque>

#include "opcodes/cp1251.h"
#include "tests/ui/form_fixture.h"
#include "ui/opcode_rows.h"

namespace {

class OpcodeRowsTest : public ::testing::Test {
protected:
    void SetUp() override {
        std::vector<OpcodeRowModel::Row> rows;
        for (int i = 0; i < 50; ++i) {
            captions_.push_back("00" + std::to_string(10 + i) + ": row");
            rows.push_back({captions_.back(), translation_});
        }
        list_.Rows()->SetRows(std::move(rows));
        list_.resize(300, 120);
        list_.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&list_));
    }
    const std::string translation_ = Utf8ToCp1251("строка");
    std::deque<std::string> captions_;
    OpcodeListView list_{{QStringLiteral("a"), QStringLiteral("b")}};
    OpcodeRows rows_{&list_};
};

TEST_F(OpcodeRowsTest, RowsKeepTheirBytes) {
    EXPECT_EQ(rows_.Count(), 50);
    EXPECT_EQ(rows_.Caption(3), "0013: row");
    EXPECT_EQ(list_.Rows()->Bytes(0, 1), translation_);
    EXPECT_EQ(CellText(&list_, 0, 1), QStringLiteral(u"строка"));
    EXPECT_EQ(list_.Rows()->Bytes(0, 3), "");
}

TEST_F(OpcodeRowsTest, SelectionFocusAndScrolling) {
    EXPECT_EQ(rows_.FirstSelected(), -1);
    SelectRows(&list_, {30, 7});
    EXPECT_EQ(rows_.FirstSelected(), 7);
    EXPECT_EQ(rows_.SelectedCount(), 2);
    EXPECT_EQ(rows_.SelectedColumn(0), (std::vector<std::string>{"0017: row", "0040: row"}));

    rows_.Deselect(7);
    rows_.SelectFocusScroll(45);
    EXPECT_EQ(rows_.FirstSelected(), 30);
    EXPECT_EQ(SelectedRows(&list_), (std::vector<int>{30, 45}));  // others keep theirs
    EXPECT_EQ(list_.currentIndex().row(), 45);
    EXPECT_TRUE(list_.viewport()->rect().intersects(list_.visualRect(list_.currentIndex())));

    // A row cut by the bottom edge counts as visible: the list stays where it is.
    list_.scrollToTop();
    const int rowHeight = list_.visualRect(list_.Rows()->index(0, 0)).height();
    const int cutHeight = 4 * rowHeight + rowHeight / 2;
    list_.resize(300, list_.height() - list_.viewport()->height() + cutHeight);
    ASSERT_TRUE(QTest::qWaitFor([&] { return list_.viewport()->height() == cutHeight; }));
    rows_.SelectFocusScroll(4);
    EXPECT_EQ(list_.verticalScrollBar()->value(), 0);
    EXPECT_EQ(list_.currentIndex().row(), 4);
}

}  // namespace
