#include <QTest>
#include <gtest/gtest.h>

#include <deque>

#include "opcodes/cp1251.h"
#include "ui/opcode_row_model.h"
#include "ui/opcode_rows.h"

namespace {

constexpr auto Select = QItemSelectionModel::Select | QItemSelectionModel::Rows;

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
    EXPECT_EQ(list_.Rows()->Bytes(0, 1), Utf8ToCp1251("строка"));
    EXPECT_EQ(list_.Rows()->index(0, 1).data(), QStringLiteral(u"строка"));
    EXPECT_EQ(list_.Rows()->Bytes(0, 3), "");
    EXPECT_EQ(list_.Rows()->Bytes(50, 0), "");
}

TEST_F(OpcodeRowsTest, SelectionFocusAndScrolling) {
    EXPECT_EQ(rows_.FirstSelected(), -1);
    for (int row : {30, 7})
        list_.selectionModel()->select(list_.Rows()->index(row, 0), Select);
    EXPECT_EQ(rows_.FirstSelected(), 7);
    EXPECT_EQ(rows_.SelectedCount(), 2);
    EXPECT_EQ(rows_.SelectedColumn(0), (std::vector<std::string>{"0017: row", "0040: row"}));

    rows_.Deselect(7);
    rows_.SelectFocusScroll(45);
    EXPECT_EQ(rows_.FirstSelected(), 30);
    EXPECT_TRUE(list_.selectionModel()->isRowSelected(45));
    EXPECT_TRUE(list_.selectionModel()->isRowSelected(30));  // others keep their selection
    EXPECT_EQ(list_.currentIndex().row(), 45);
    const QRect shown = list_.visualRect(list_.currentIndex());
    EXPECT_TRUE(list_.viewport()->rect().intersects(shown));
}

}  // namespace
