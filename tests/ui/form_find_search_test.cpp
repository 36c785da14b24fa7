// The search window wired to the main window: its buttons and show-in-list acting on the
// main list, closing and showing again, the Enter key, the fading and the hints.
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>

#include "tests/ui/search_fixture.h"

namespace {

class FindTest : public SearchWindowsTest {
  protected:
    // The results after a search with the fields as given, and status panels 0 and 1.
    QStringList Search(QPushButton* button, const char* yes, const char* no = "",
                       const char* orWords = "") {
        formFind->EditYes->setText(QString::fromUtf8(yes));
        formFind->EditNo->setText(QString::fromUtf8(no));
        formFind->EditOr->setText(QString::fromUtf8(orWords));
        button->click();
        return RowTexts(formFind->ListViewFind);
    }
    QString Panels() const {
        return formFind->StatusPanel(0)->text() + u'|' + formFind->StatusPanel(1)->text();
    }
};

} // namespace

// "Искать всё" lists the matches of the three fields and leaves the main list alone;
// "Поиск!" selects the next match in the main list and wraps after the last. The panels
// change when a pass has run to its end; a search at the minimum height grows the window.
// Show-in-list (a double click too) selects the focused result in the main list, or warns
// when the main list no longer holds it.
TEST_F(FindTest, ButtonsAndShowInListActOnTheMainList) {
    formFind->resize(400, formFind->minimumHeight());
    SelectRows(MainList(), {0});
    EXPECT_EQ(Search(formFind->BtnAll, "%1d%", "ms WAIT", "put Ждать"),
              (QStringList{QStringLiteral("00A1: put_actor %1d% at %2d% %3d%"),
                           QStringLiteral(u"0A8C: Ждать актёра %1d%")}));
    EXPECT_EQ(Panels(), QStringLiteral(u"Готово.|Найдено: 2"));
    EXPECT_EQ(formFind->height(), 268);
    formFind->resize(400, 200);
    EXPECT_EQ(Search(formFind->ButtonFind, "actor"), QStringList());
    EXPECT_EQ(Panels(), QStringLiteral(u"Поиск...|Найдено: 2"));
    EXPECT_EQ(SelectedRows(MainList()), std::vector<int>{2});
    EXPECT_EQ(MainList()->currentIndex().row(), 2);
    Search(formFind->ButtonFind, "actor");
    Search(formFind->ButtonFind, "actor");
    EXPECT_EQ(SelectedRows(MainList()), std::vector<int>{2});
    EXPECT_EQ(Panels(), QStringLiteral(u"Готово.|Найдено: 0"));
    EXPECT_EQ(formFind->height(), 200);

    OpcodeListView* results = formFind->ListViewFind;
    Search(formFind->BtnAll, "actor");
    results->setCurrentIndex(results->Rows()->index(1, 0));
    Q_EMIT results->doubleClicked(results->currentIndex());
    EXPECT_EQ(SelectedRows(MainList()), std::vector<int>{3});
    EXPECT_TRUE(fake.boxes.warnings.isEmpty());
    FillMainList({kSampleRows[0]}); // another category
    formFind->NShow->trigger();
    EXPECT_EQ(fake.sounds.played, std::vector<SystemSound>{SystemSound::Information});
    EXPECT_TRUE(fake.boxes.warnings.value(0).startsWith(QStringLiteral(u"Нет в списке!")));
}

// Closing only hides the window, its fields and results kept; showing it brings a minimised
// one back. Enter in a field or the result list finds the next match, whatever button had
// the focus last. Its hints go to the main status bar, its panel 3 shows the main window's
// total, and it fades while another window is active.
TEST_F(FindTest, ShowingKeysHintsAndFading) {
    Search(formFind->BtnAll, "jump");
    formFind->BitBtn1->click();
    EXPECT_FALSE(formFind->isVisible());
    formFind->setWindowState(Qt::WindowMinimized);
    Trigger("NFindWin");
    EXPECT_FALSE(formFind->isMinimized());
    ASSERT_TRUE(QTest::qWaitForWindowActive(formFind.get()));
    EXPECT_EQ(formFind->ListViewFind->Rows()->Count(), 1);

    QSignalSpy findNext(formFind->ButtonFind, &QPushButton::clicked);
    QTest::keyClick(formFind->EditOr, Qt::Key_Return);
    QTest::mouseClick(formFind->BtnAll, Qt::LeftButton);
    QTest::keyClick(formFind->ListViewFind, Qt::Key_Enter);
    EXPECT_EQ(findNext.count(), 2);
    EXPECT_EQ(SelectedRows(MainList()), std::vector<int>{1});

    QTest::mouseMove(formFind->EditOr, formFind->EditOr->rect().center());
    QCoreApplication::processEvents();
    EXPECT_EQ(Child<QLabel>(formMain.get(), "StatusPanel0")->text(), formFind->EditOr->statusTip());
    EXPECT_FALSE(formFind->EditOr->statusTip().isEmpty());
    EXPECT_EQ(formFind->StatusPanel(3)->text(), QStringLiteral(u"Всего: 4"));

    ShowActive(formMain.get());
    EXPECT_TRUE(QTest::qWaitFor([&] { return formFind->AlphaBlendValue() == 200; }, 1000));
    EXPECT_NEAR(formFind->windowOpacity(), 200 / 255.0, 0.01);
    ShowActive(formFind.get());
    EXPECT_TRUE(QTest::qWaitFor([&] { return formFind->AlphaBlendValue() == 252; }, 1000));
}
