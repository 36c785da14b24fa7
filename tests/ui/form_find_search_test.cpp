// The search window wired to the main window: its buttons searching the main list, show-in-
// list, closing and showing again, the Enter key, the fading and the hints.
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>

#include "tests/ui/search_fixture.h"

namespace {

class FindTest : public SearchWindowsTest {
  protected:
    // The result list after a search with the fields as given.
    QStringList Search(QPushButton* button, const char* yes, const char* no = "",
                       const char* orWords = "") {
        formFind->EditYes->setText(QString::fromUtf8(yes));
        formFind->EditNo->setText(QString::fromUtf8(no));
        formFind->EditOr->setText(QString::fromUtf8(orWords));
        button->click();
        return RowTexts(formFind->ListViewFind);
    }
    std::vector<int> FindNext(const char* yes) {
        Search(formFind->ButtonFind, yes);
        return SelectedRows(MainList());
    }
    QString Panels() const { // 0 and 1
        return formFind->StatusPanel(0)->text() + u'|' + formFind->StatusPanel(1)->text();
    }
};

} // namespace

// "Искать всё" lists the matches of the three fields and leaves the main list alone;
// "Поиск!" selects the next match in the main list and wraps after the last. The panels
// change when a pass has run to its end; a search at the minimum height grows the window.
TEST_F(FindTest, ButtonsSearchTheMainList) {
    formFind->resize(400, formFind->minimumHeight());
    SelectRows(MainList(), {0});
    EXPECT_EQ(Search(formFind->BtnAll, "%1d%", "ms WAIT", "put Ждать"),
              (QStringList{QStringLiteral("00A1: put_actor %1d% at %2d% %3d%"),
                           QStringLiteral(u"0A8C: Ждать актёра %1d%")}));
    EXPECT_EQ(Panels(), QStringLiteral(u"Готово.|Найдено: 2"));
    EXPECT_EQ(formFind->height(), 268);

    formFind->resize(400, 200);
    EXPECT_EQ(FindNext("actor"), std::vector<int>{2});
    EXPECT_EQ(MainList()->currentIndex().row(), 2);
    EXPECT_EQ(Panels(), QStringLiteral(u"Поиск...|Найдено: 2"));
    EXPECT_EQ(formFind->ListViewFind->Rows()->Count(), 0);
    EXPECT_EQ(FindNext("actor"), std::vector<int>{3});
    EXPECT_EQ(FindNext("actor"), std::vector<int>{2});
    EXPECT_EQ(Panels(), QStringLiteral(u"Готово.|Найдено: 0"));
    EXPECT_EQ(formFind->height(), 200);
}

// The focused result (a double click too) is selected in the main list; one the main list
// no longer holds is warned about.
TEST_F(FindTest, ShowInListSelectsTheResultInTheMainList) {
    Search(formFind->BtnAll, "actor");
    OpcodeListView* results = formFind->ListViewFind;
    formFind->NShow->trigger(); // no focused result: nothing happens
    results->setCurrentIndex(results->Rows()->index(1, 0));
    Q_EMIT results->doubleClicked(results->Rows()->index(1, 0));
    EXPECT_EQ(SelectedRows(MainList()), std::vector<int>{3});
    results->setCurrentIndex(results->Rows()->index(0, 0));
    formFind->NShow->trigger();
    EXPECT_EQ(SelectedRows(MainList()), std::vector<int>{2});
    EXPECT_EQ(MainList()->currentIndex().row(), 2);
    EXPECT_TRUE(fake.boxes.warnings.isEmpty());

    FillMainList({kSampleRows[0]}); // another category
    formFind->NShow->trigger();
    EXPECT_EQ(fake.sounds.played, std::vector<SystemSound>{SystemSound::Information});
    EXPECT_TRUE(fake.boxes.warnings.value(0).startsWith(QStringLiteral(u"Нет в списке!")));
}

// Closing only hides the window, its fields and results kept; showing it brings a minimised
// one back. Enter in a field or the result list finds the next match, whatever button had
// the focus last; Esc does not close the window. Its hints go to the main status bar.
TEST_F(FindTest, ShowingClosingKeysAndHints) {
    EXPECT_EQ(formFind->StatusPanel(3)->text(), QStringLiteral(u"Всего: 4")); // the main total
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
    QTest::keyClick(formFind->EditYes, Qt::Key_Escape);
    EXPECT_TRUE(formFind->isVisible());

    QTest::mouseMove(formFind->EditOr, formFind->EditOr->rect().center());
    QCoreApplication::processEvents();
    EXPECT_FALSE(formFind->EditOr->statusTip().isEmpty());
    EXPECT_EQ(Child<QLabel>(formMain.get(), "StatusPanel0")->text(), formFind->EditOr->statusTip());
}

// The window fades while another window is active and comes back when it is active.
TEST_F(FindTest, FadesWhileAnotherWindowIsActive) {
    ShowActive(formFind.get());
    ShowActive(formMain.get());
    EXPECT_TRUE(QTest::qWaitFor([&] { return formFind->AlphaBlendValue() == 200; }, 1000));
    EXPECT_NEAR(formFind->windowOpacity(), 200 / 255.0, 0.01);
    ShowActive(formFind.get());
    EXPECT_TRUE(QTest::qWaitFor([&] { return formFind->AlphaBlendValue() == 252; }, 1000));
}
