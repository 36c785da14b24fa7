// The search window wired to the main window: its buttons and show-in-list acting on the
// main list, closing and showing again, the Enter key, the fading and the hints.
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "tests/ui/search_fixture.h"

class FindTest : public SearchWindowsTest {
  protected:
    // The results after a search for the words.
    QStringList Search(QPushButton* button, const char* yes) {
        formFind->EditYes->setText(QString::fromUtf8(yes));
        button->click();
        return RowTexts(formFind->ListViewFind);
    }
    QString Panel(int index) const { return formFind->StatusPanel(index)->text(); }
};

// "Поиск!" selects the next match in the main list and wraps after the last; "Искать всё"
// lists the matches of the three fields and leaves the main list alone. The panels change
// when a pass has run to its end; a search at the minimum height grows the window.
// Show-in-list (a double click too) selects the focused result in the main list, or warns
// when the main list no longer holds it.
TEST_F(FindTest, ButtonsAndShowInListActOnTheMainList) {
    formFind->resize(400, formFind->minimumHeight());
    SelectRows(MainList(), {0});
    EXPECT_EQ(Search(formFind->ButtonFind, "actor"), QStringList());
    EXPECT_EQ(SelectedRows(MainList()), std::vector<int>{2});
    EXPECT_EQ(Panel(0), QStringLiteral(u"Поиск..."));
    EXPECT_EQ(formFind->height(), 268);
    formFind->resize(400, 200);
    Search(formFind->ButtonFind, "actor");
    Search(formFind->ButtonFind, "actor");
    EXPECT_EQ(SelectedRows(MainList()), std::vector<int>{2});
    EXPECT_EQ(Panel(0), QStringLiteral(u"Готово."));
    EXPECT_EQ(formFind->height(), 200);

    OpcodeListView* results = formFind->ListViewFind;
    Search(formFind->BtnAll, "actor");
    results->setCurrentIndex(results->Rows()->index(1, 0));
    Q_EMIT results->doubleClicked(results->currentIndex());
    EXPECT_EQ(SelectedRows(MainList()), std::vector<int>{3});
    FillMainList({kSampleRows[0]}); // another category
    formFind->NShow->trigger();
    EXPECT_EQ(fake.sounds.played, std::vector<SystemSound>{SystemSound::Information});
    EXPECT_TRUE(fake.boxes.warnings.value(0).startsWith(QStringLiteral(u"Нет в списке!")));

    FillMainList(kSampleRows);
    formFind->EditNo->setText(QStringLiteral("ms WAIT"));
    formFind->EditOr->setText(QStringLiteral(u"put Ждать"));
    EXPECT_EQ(Search(formFind->BtnAll, "%1d%"),
              (QStringList{QStringLiteral("00A1: put_actor %1d% at %2d% %3d%"),
                           QStringLiteral(u"0A8C: Ждать актёра %1d%")}));
    EXPECT_EQ(Panel(0) + Panel(1), QStringLiteral(u"Готово.Найдено: 2"));
}

// Closing only hides the window, its fields and results kept; showing it brings a minimised
// one back. Enter that no control takes finds the next match. Its hints go to the
// main status bar, its panel 3 shows the main window's total, and it fades while another
// window is active.
TEST_F(FindTest, ShowingKeysHintsAndFading) {
    Search(formFind->BtnAll, "jump");
    formFind->BitBtn1->click();
    EXPECT_FALSE(formFind->isVisible());
    formFind->setWindowState(Qt::WindowMinimized);
    Trigger("NFindWin");
    EXPECT_FALSE(formFind->isMinimized());
    ASSERT_TRUE(QTest::qWaitForWindowActive(formFind.get()));
    EXPECT_EQ(formFind->ListViewFind->Rows()->Count(), 1);

    QTest::keyClick(formFind->ListViewFind, Qt::Key_Enter);
    EXPECT_EQ(SelectedRows(MainList()), std::vector<int>{1});

    QTest::mouseMove(formFind->EditOr, formFind->EditOr->rect().center());
    QCoreApplication::processEvents();
    EXPECT_EQ(Child<QLabel>(formMain.get(), "StatusPanel0")->text(), formFind->EditOr->statusTip());
    EXPECT_EQ(Panel(3), QStringLiteral(u"Всего: 4"));

    formMain->show(); // and active: the timer fades the search window
    formMain->activateWindow();
    EXPECT_TRUE(QTest::qWaitFor([&] { return formFind->AlphaBlendValue() == 200; }, 1000));
}
