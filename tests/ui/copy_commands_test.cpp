// The copy commands of both lists: the exact bytes on the clipboard and the failures.
#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <regex>

#include "opcodes/cp1251.h"
#include "platform/clipboard.h"
#include "tests/ui/search_fixture.h"
#include "ui/copy_commands.h"

namespace {

class CopyTest : public SearchWindowsTest {
  protected:
    void SetUp() override {
        SearchWindowsTest::SetUp();
        FillMainList(SampleRows());
    }
    // The clipboard's bytes after running `item` with the main list's rows selected.
    std::string CopyMain(QAction* item, const std::vector<int>& selected) {
        SelectRows(formMain->OpList(), selected);
        item->trigger();
        return fake.clipboard.text;
    }
    // The search window's results: every row of the main list.
    void ListAllResults() {
        formFind->BtnAll->click();
        ASSERT_EQ(formFind->ListViewFind->Rows()->Count(), 6);
    }
};

std::string Cp(const char* utf8) {
    return Utf8ToCp1251(utf8);
}

} // namespace

TEST_F(CopyTest, MainListCopiesSelectedRowsWithTheirTranslations) {
    EXPECT_EQ(CopyMain(formMain->findChild<QAction*>(QStringLiteral("NCopyOp")), {1}), Cp("0002: jump %1p%   //прыжок"));
    // Rows not adjacent, in list order; an empty translation leaves the separator.
    EXPECT_EQ(CopyMain(formMain->findChild<QAction*>(QStringLiteral("NCopyOp")), {5, 0, 3}),
              Cp("0001: wait %1d% ms   //ждать\r\n00A5: actor_WAITING %1d%   //\r\n"
                 "0AF0: ждать машину   //ждать машину"));
    EXPECT_EQ(fake.clipboard.writes, 2);
}

TEST_F(CopyTest, MainListCopiesAllRowTextsEachAfterALineBreak) {
    FillMainList({SampleRows()[0], SampleRows()[4]});
    EXPECT_EQ(CopyMain(formMain->findChild<QAction*>(QStringLiteral("NCopyAll")), {0}),
              Cp("\r\n0001: wait %1d% ms\r\n0A8C: Ждать актёра %1d%"));
    FillMainList({});
    fake.clipboard.text = "old";
    EXPECT_EQ(CopyMain(formMain->findChild<QAction*>(QStringLiteral("NCopyAll")), {}), "");
}

TEST_F(CopyTest, AddCommandsJoinTheClipboardsTextWithALineBreak) {
    FillMainList({SampleRows()[0], SampleRows()[1]});
    fake.clipboard.text = Cp("старое");
    EXPECT_EQ(CopyMain(formMain->findChild<QAction*>(QStringLiteral("NCopyAddAll")), {}),
              Cp("старое\r\n\r\n0001: wait %1d% ms\r\n0002: jump %1p%"));
    fake.clipboard.text.clear();
    EXPECT_EQ(CopyMain(formMain->findChild<QAction*>(QStringLiteral("NCopyAddOp")), {1}), Cp("\r\n0002: jump %1p%   //прыжок"));
    EXPECT_EQ(fake.clipboard.writes, 2);
}

TEST_F(CopyTest, AddCommandsKeepTheDesktopsTextAsItWas) {
    // The desktop's clipboard, holding characters that the code page lacks.
    QtClipboard desktop;
    const Platform platform{fake.boxes,   fake.sounds, fake.processes, fake.shell,
                            fake.locator, desktop,     fake.fonts};
    FillMainList({SampleRows()[0], SampleRows()[4]});
    QGuiApplication::clipboard()->setText(QStringLiteral(u"Grüße € 日本 ✓"));
    CopyListRows(platform, formMain->OpList(), CopyCommand::AddAll,
                 SelectedLine::RowTextAndTranslation);
    EXPECT_EQ(
        QGuiApplication::clipboard()->text(),
        QStringLiteral(u"Grüße € 日本 ✓\r\n\r\n0001: wait %1d% ms\r\n0A8C: Ждать актёра %1d%"));
}

TEST_F(CopyTest, SelectionCommandsWithoutASelectionTellTheUserAndKeepTheClipboard) {
    fake.clipboard.text = "kept";
    for (QAction* item :
         {formMain->findChild<QAction*>(QStringLiteral("NCopyOp")), formMain->findChild<QAction*>(QStringLiteral("NCopyAddOp")), formFind->NCopyOp, formFind->NCopyAddOp})
        EXPECT_EQ(CopyMain(item, {}), "kept");
    EXPECT_EQ(fake.clipboard.writes, 0);
    EXPECT_EQ(fake.boxes.errors, QStringList(4, QStringLiteral(u"Ни один опкод не выделен!")));
    EXPECT_EQ(fake.sounds.played, std::vector<SystemSound>(4, SystemSound::CriticalStop));
}

TEST_F(CopyTest, SearchWindowCopiesBareRowTexts) {
    ListAllResults();
    SelectRows(formFind->ListViewFind, {1, 3, 4});
    formFind->NCopyOp->trigger();
    EXPECT_EQ(fake.clipboard.text,
              Cp("0002: jump %1p%\r\n00A5: actor_WAITING %1d%\r\n0A8C: Ждать актёра %1d%"));

    fake.clipboard.text = "a";
    SelectRows(formFind->ListViewFind, {0});
    formFind->NCopyAddOp->trigger();
    EXPECT_EQ(fake.clipboard.text, Cp("a\r\n0001: wait %1d% ms"));

    formFind->EditYes->setText(QStringLiteral("jump"));
    formFind->BtnAll->click();
    formFind->NCopyAll->trigger();
    EXPECT_EQ(fake.clipboard.text, Cp("\r\n0002: jump %1p%"));
    formFind->NCopyAddAll->trigger();
    EXPECT_EQ(fake.clipboard.text, Cp("\r\n0002: jump %1p%\r\n\r\n0002: jump %1p%"));
}

TEST_F(CopyTest, EachWindowsCopyKeyActsOnItsOwnList) {
    ListAllResults();
    SelectRows(formFind->ListViewFind, {2});
    SelectRows(formMain->OpList(), {1});
    ShowActive(formFind.get());
    formFind->ListViewFind->setFocus();
    QTest::keyClick(formFind->ListViewFind, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(fake.clipboard.text, Cp("00A1: put_actor %1d% at %2d% %3d%"));
    QTest::keyClick(formFind->ListViewFind, Qt::Key_C, Qt::ControlModifier | Qt::AltModifier);
    std::string all;
    for (const auto& row : SampleRows())
        all += "\r\n" + Cp(row.first.c_str());
    EXPECT_EQ(fake.clipboard.text, all);

    ShowActive(formMain.get());
    formMain->OpList()->setFocus();
    QTest::keyClick(formMain->OpList(), Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(fake.clipboard.text, Cp("0002: jump %1p%   //прыжок"));
    EXPECT_EQ(fake.clipboard.writes, 3);
}

TEST_F(CopyTest, UnavailableClipboardReachesTheErrorHandler) {
    fake.clipboard.available = false;
    CopyMain(formMain->findChild<QAction*>(QStringLiteral("NCopyAll")), {});
    ListAllResults();
    SelectRows(formFind->ListViewFind, {0});
    formFind->NCopyAddOp->trigger();
    const QString box =
        BoxText(QStringLiteral("Cannot open clipboard"), QStringLiteral("EOSError"));
    EXPECT_EQ(fake.boxes.errors, (QStringList{box, box}));
    EXPECT_TRUE(
        std::regex_match(Log(), std::regex(RecordPattern("EOSError", "Cannot open clipboard.") +
                                           RecordPattern("EOSError", "Cannot open clipboard."))))
        << Log();
}
