// Status panel 0 follows the hint under the mouse and of the highlighted menu item.
#include <QLabel>
#include <QMenu>
#include <QSplitter>

#include "tests/ui/search_fixture.h"

// Under the mouse: a control's own hint, its parent's for a child without one, none for
// none; going back from a control onto its parent, which gets no Enter, too. In menus: the
// highlighted item's, and a disabled item's although Qt highlights no disabled item.
TEST_F(SearchWindowsTest, PanelZeroFollowsTheHints) {
    formMain->show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(formMain.get()));
    Child<QSplitter>(formMain.get(), "RightSplit")->setSizes({300, 221}); // the right panel open
    const QLabel* panel = Child<QLabel>(formMain.get(), "StatusPanel0");
    const auto hintOver = [&](QWidget* widget, QPoint at) {
        QTest::mouseMove(widget, at);
        QCoreApplication::processEvents();
        return panel->text();
    };
    auto* memo = Child<QAbstractScrollArea>(formMain.get(), "OpMemoFind");
    auto* box = Child<QWidget>(formMain.get(), "GroupBox1");
    EXPECT_EQ(hintOver(memo->viewport(), QPoint(5, 5)), memo->statusTip());
    EXPECT_EQ(hintOver(MainList()->viewport(), QPoint(5, 5)), QString());
    EXPECT_EQ(hintOver(Child<QWidget>(box, "Button1"), QPoint(5, 5)),
              QStringLiteral(u"Скопировать в буфер обмена"));
    EXPECT_EQ(hintOver(box, QPoint(2, box->height() - 2)), QString());

    auto* menu = Child<QMenu>(formMain.get(), "OpListPopupMenu");
    menu->popup(formMain->mapToGlobal(QPoint(50, 50)));
    ASSERT_TRUE(QTest::qWaitForWindowExposed(menu));
    menu->setActiveAction(Child(formMain.get(), "NCopyAddOp"));
    EXPECT_EQ(panel->text(), Child(formMain.get(), "NCopyAddOp")->statusTip());
    QAction* internet = Child<QMenu>(formMain.get(), "NInternet")->menuAction();
    ASSERT_FALSE(internet->isEnabled() || internet->statusTip().isEmpty());
    QTest::mouseMove(menu, menu->actionGeometry(internet).center());
    EXPECT_TRUE(QTest::qWaitFor([&] { return panel->text() == internet->statusTip(); }));
    menu->close();
}
