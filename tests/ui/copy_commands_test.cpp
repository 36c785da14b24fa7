// The copy items of both lists: the bytes they hand to the clipboard.
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
    const std::string jump = "0002: jump %1p%", actor = Utf8ToCp1251("0A8C: Ждать актёра %1d%");
    const std::string lines = jump + Utf8ToCp1251("   //прыжок\r\n") + actor +
                              Utf8ToCp1251("   //ждать актёра");
    const std::pair<QAction*, std::string> cases[] = {
        {Child(formMain.get(), "NCopyOp"), lines},
        {Child(formMain.get(), "NCopyAddOp"), "old\r\n" + lines},
        {Child(formMain.get(), "NCopyAll"), "\r\n" + jump + "\r\n" + actor},
        {Child(formMain.get(), "NCopyAddAll"), "old\r\n\r\n" + jump + "\r\n" + actor},
        {formFind->NCopyOp, actor},
        {formFind->NCopyAddOp, "old\r\n" + actor},
        {formFind->NCopyAll, "\r\n" + actor},
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
    fake.clipboard.text = "old";
    for (int i : {0, 1, 4, 5})
        cases[i].first->trigger();
    EXPECT_EQ(fake.clipboard.text, "old");
    EXPECT_EQ(fake.clipboard.writes, 8);
    EXPECT_EQ(fake.boxes.errors, QStringList(4, QStringLiteral(u"Ни один опкод не выделен!")));
    EXPECT_EQ(fake.sounds.played, std::vector<SystemSound>(4, SystemSound::CriticalStop));
}
