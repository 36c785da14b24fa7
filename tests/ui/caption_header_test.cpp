// The opcode list's header keeps its captions' sizes, and gives Qt's own figures whatever
// changes: the captions, the font, the sort indicator, the style.
#include <gtest/gtest.h>

#include <QStandardItemModel>
#include <QStyleFactory>
#include <QTreeView>
#include <memory>

#include "ui/main/caption_header.h"

namespace {

// Each section's size hint in both headers, and the headers' own size hints.
void ExpectSameSizes(QTreeView& ours, QTreeView& qts, const char* after) {
    ASSERT_EQ(ours.header()->count(), qts.header()->count()) << after;
    for (int section = 0; section < qts.header()->count(); ++section)
        EXPECT_EQ(ours.header()->sectionSizeHint(section), qts.header()->sectionSizeHint(section))
            << after << ", section " << section;
    EXPECT_EQ(ours.header()->sizeHint(), qts.header()->sizeHint()) << after;
}

TEST(CaptionHeaderTest, SizesFollowCaptionsFontIndicatorAndStyle) {
    QStandardItemModel model(0, 3);
    model.setHorizontalHeaderLabels({QStringLiteral("Опкод"), QStringLiteral("Tип"), {}});
    QTreeView ours, qts;
    for (QTreeView* view : {&ours, &qts}) {
        view->setModel(&model);
        view->setFont(QFont(QStringLiteral("DejaVu Sans"), 8));
    }
    CaptionHeader::Install(&ours);
    EXPECT_EQ(ours.header()->stretchLastSection(), qts.header()->stretchLastSection());
    EXPECT_EQ(ours.header()->defaultAlignment(), qts.header()->defaultAlignment());
    EXPECT_EQ(ours.header()->sectionsMovable(), qts.header()->sectionsMovable());
    ExpectSameSizes(ours, qts, "at first");

    model.setHeaderData(2, Qt::Horizontal, QStringLiteral("Кол-во парам"));
    model.setHeaderData(0, Qt::Horizontal, QFont(QStringLiteral("DejaVu Serif"), 14), Qt::FontRole);
    ExpectSameSizes(ours, qts, "new captions");
    for (QTreeView* view : {&ours, &qts})
        view->setFont(QFont(QStringLiteral("DejaVu Sans"), 13));
    ExpectSameSizes(ours, qts, "a larger font");
    for (QTreeView* view : {&ours, &qts})
        view->header()->setSortIndicatorShown(true);
    ExpectSameSizes(ours, qts, "the sort indicator shown");
    const std::unique_ptr<QStyle> windows(QStyleFactory::create(QStringLiteral("Windows")));
    for (QTreeView* view : {&ours, &qts})
        view->header()->setStyle(windows.get());
    ExpectSameSizes(ours, qts, "another style");
}

} // namespace
