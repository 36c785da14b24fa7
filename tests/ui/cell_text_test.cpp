// The lists' cell painting draws what the style's own item painting draws, pixel for pixel:
// texts that fit, elided ones (from the glyphs already laid out, or by Qt where ligatures
// or overhangs are in play), selected and focused rows, a row lower than its text (cut by
// the cell's clip), and repaints after the rows are reordered.
#include <gtest/gtest.h>

#include <QHeaderView>
#include <QStandardItemModel>
#include <QStyleFactory>
#include <QStyledItemDelegate>
#include <QTextLayout>
#include <QTreeView>

#include <memory>

#include "ui/cell_text_delegate.h"
#include "ui/right_elision.h"

namespace {

QImage Painted(QStandardItemModel& model, QStyle* style, const QFont& font, int width, bool ours) {
    QTreeView view;
    view.setStyle(style);
    view.setModel(&model);
    view.setFont(font);
    view.setRootIsDecorated(false);
    view.setSelectionBehavior(QAbstractItemView::SelectRows);
    view.setSelectionMode(QAbstractItemView::MultiSelection);
    view.setItemDelegate(ours ? new CellTextDelegate(&view) : new QStyledItemDelegate(&view));
    view.header()->hide();
    view.resize(width, 400);
    view.show();
    for (int row = 0; row < model.rowCount(); row += 2)
        view.selectionModel()->select(model.index(row, 0), QItemSelectionModel::Select);
    view.setCurrentIndex(model.index(1, 0));
    view.viewport()->grab();
    model.sort(0, Qt::DescendingOrder); // the middle row keeps its texts, the others change
    const QImage painted = view.viewport()->grab().toImage();
    model.sort(0);
    return painted;
}

TEST(CellTextTest, CellsLookAsTheStyleDrawsThem) {
    QStandardItemModel model;
    for (const char* text :
         {"0AF0: AVATAR Te To Ty LT Yo W.V, %1d% %2d%", "flag_file_office fi fl", "i",
          "flame_flag_file_office fi fl %1d% %2d% %3d% %4d% %5d% %6d% %7d% %8d% end",
          "создать игрока ГА Го То Ту %1d% в точке %2d% %3d% %4d% store_to %5d%", "",
          "%1d% %2d% %3d% %4d% %5d% %6d% %7d% %8d% %9d% %10d% %11d% %12d%", "\xe2\x80\xa6..", "Te"})
        model.appendRow(new QStandardItem(QString::fromUtf8(text)));
    // A row lower than its text: the item's clip cuts the glyphs.
    auto* low = new QStandardItem(QStringLiteral("Йу jg low row"));
    low->setSizeHint(QSize(40, 5));
    model.appendRow(low);
    model.sort(0);
    const QFont italic(QStringLiteral("Nimbus Sans"), 9, QFont::Normal, true);
    // The styles whose item panel the cells draw by its own primitive.
    for (const char* name : {"Fusion", "Windows"}) {
        const std::unique_ptr<QStyle> style(QStyleFactory::create(QString::fromLatin1(name)));
        ASSERT_NE(style, nullptr) << name;
        for (const QFont& font : {QFont(QStringLiteral("DejaVu Sans"), 8), italic,
                                  QFont(QStringLiteral("DejaVu Serif"), 11)})
            for (int width : {9, 23, 31, 64, 104, 170, 240, 420})
                EXPECT_EQ(Painted(model, style.get(), font, width, true),
                          Painted(model, style.get(), font, width, false))
                    << name << ", " << font.family().toStdString() << " in " << width << " px";
    }
}

// Where nothing but the ellipsis fits, it stands where the line starts, wherever that is.
TEST(RightElisionTest, AnEllipsisAloneStandsWhereTheLineStarts) {
    const QFont font(QStringLiteral("DejaVu Sans"), 8);
    QTextLayout layout(QStringLiteral("WWWW"), font);
    QTextOption option;
    option.setTextDirection(Qt::LeftToRight);
    layout.setTextOption(option);
    layout.beginLayout();
    layout.createLine().setPosition({40, 0});
    layout.endLayout();
    QList<QGlyphRun> glyphs;
    const int width = QFontMetrics(font).horizontalAdvance(QChar(0x2026)) + 1;
    ASSERT_TRUE(RightElision().Glyphs(layout, true, option, width, glyphs));
    ASSERT_EQ(glyphs.size(), 1);
    EXPECT_EQ(glyphs[0].positions().value(0).x(), 40);
}

} // namespace
