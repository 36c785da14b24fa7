// The copy items of both lists: the bytes they hand to the clipboard. Copying a list's
// selection or all of it from the keyboard is driven end to end by the black-box test.
#include <QLineEdit>
#include <QPushButton>

#include "tests/ui/search_fixture.h"

// The main list's lines carry their translations, the results' are bare; selected rows
// in list order; the add items put theirs after the clipboard's text and a line break.
// Without a selected row the selection items say so and leave the clipboard alone.
TEST_F(SearchWindowsTest, CopyItemsCopyTheirOwnListsRows) {
    FillMainList({kSampleRows[1], kSampleRows[4]});
    formFind->EditYes->setText(QStringLiteral("a")); // only the second row has one
    formFind->BtnAll->click();
    const std::string actor = Utf8ToCp1251("0A8C: Ждать актёра %1d%");
    const std::pair<QAction*, std::string> cases[] = {
        {Child(formMain.get(), "NCopyAddOp"),
         Utf8ToCp1251("old\r\n0002: jump %1p%   //прыжок\r\n") + actor +
             Utf8ToCp1251("   //ждать актёра")},
        {formFind->NCopyAddOp, "old\r\n" + actor},
        {formFind->NCopyAddAll, "old\r\n\r\n" + actor},
    };
    SelectRows(MainList(), {1, 0});
    SelectRows(formFind->ListViewFind, {0});
    for (const auto& [item, expected] : cases) {
        fake.clipboard.text = "old";
        item->trigger();
        EXPECT_EQ(fake.clipboard.text, expected) << item->objectName().toStdString();
    }

    SelectRows(MainList(), {});
    SelectRows(formFind->ListViewFind, {});
    for (QAction* item : {Child(formMain.get(), "NCopyOp"), formFind->NCopyOp, cases[0].first})
        item->trigger();
    EXPECT_EQ(fake.clipboard.writes, 3);
    EXPECT_EQ(fake.boxes.errors, QStringList(3, QStringLiteral(u"Ни один опкод не выделен!")));
    EXPECT_EQ(fake.sounds.played, std::vector<SystemSound>(3, SystemSound::CriticalStop));
}
