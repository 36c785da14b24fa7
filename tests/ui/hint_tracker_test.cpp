// Status panel 0 follows the hint under the mouse and of the highlighted menu item.
#include <QAction>
#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSplitter>
#include <QStyle>
#include <QTest>
#include <QToolTip>

#include "tests/ui/form_fixture.h"
#include "ui/main/hint_tracker.h"

namespace {

void MoveOnto(QWidget* widget) {
    QTest::mouseMove(widget, widget->rect().center());
    QCoreApplication::processEvents();
}

} // namespace

TEST(HintText, BarSplitsTheShortAndTheLongHint) {
    const QString exit = QStringLiteral("Exit|Quits the application");
    EXPECT_EQ(HintTracker::LongHint(exit), QStringLiteral("Quits the application"));
    EXPECT_EQ(HintTracker::ShortHint(exit), QStringLiteral("Exit"));
    EXPECT_EQ(HintTracker::LongHint(QStringLiteral("a|b|c")), QStringLiteral("b|c"));
    EXPECT_EQ(HintTracker::LongHint(QStringLiteral(u"без черты")), QStringLiteral(u"без черты"));
    EXPECT_EQ(HintTracker::ShortHint(QStringLiteral(u"без черты")), QStringLiteral(u"без черты"));
}

TEST_F(FormMainTest, PanelZeroFollowsTheHintUnderTheMouse) {
    auto form = Open();
    form->show();
    form->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    qobject_cast<QSplitter*>(form->findChild<QWidget*>(QStringLiteral("Panel3"))->parentWidget())
        ->setSizes({300, 221}); // open the right panel
    QLabel* panel = form->StatusPanel(0);

    MoveOnto(form->findChild<QPlainTextEdit*>(QStringLiteral("OpMemoFind"))->viewport()); // a child without a hint shows its parent's
    EXPECT_EQ(panel->text(),
              QStringLiteral(u"Мини-поиск. Введите часть слова для поиска и нажмите Enter."));
    MoveOnto(form->OpList()->viewport());
    EXPECT_EQ(panel->text(), QString());
    MoveOnto(form->findChild<QWidget*>(QStringLiteral("Button1")));
    EXPECT_EQ(panel->text(), QStringLiteral(u"Скопировать в буфер обмена"));
    // Back onto the group box around the button: no Enter for the parent, still followed.
    QTest::mouseMove(form->findChild<QWidget*>(QStringLiteral("GroupBox1")), QPoint(2, form->findChild<QWidget*>(QStringLiteral("GroupBox1"))->height() - 2));
    QCoreApplication::processEvents();
    EXPECT_EQ(panel->text(), QString());
}

TEST_F(FormMainTest, PanelZeroShowsTheHighlightedMenuItem) {
    auto form = Open();
    form->show();
    form->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    QLabel* panel = form->StatusPanel(0);

    form->findChild<QMenu*>(QStringLiteral("NFile"))->popup(form->mapToGlobal(QPoint(0, 0)));
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form->findChild<QMenu*>(QStringLiteral("NFile"))));
    form->findChild<QMenu*>(QStringLiteral("NFile"))->setActiveAction(form->findChild<QAction*>(QStringLiteral("NExit")));
    EXPECT_EQ(panel->text(), QStringLiteral("Quits the application"));
    form->findChild<QMenu*>(QStringLiteral("NFile"))->setActiveAction(form->findChild<QAction*>(QStringLiteral("NReExe"))); // no hint: the panel empties
    EXPECT_EQ(panel->text(), QString());
    form->findChild<QMenu*>(QStringLiteral("NFile"))->close();

    form->findChild<QMenu*>(QStringLiteral("OpListPopupMenu"))->popup(form->mapToGlobal(QPoint(50, 50)));
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form->findChild<QMenu*>(QStringLiteral("OpListPopupMenu"))));
    form->findChild<QMenu*>(QStringLiteral("OpListPopupMenu"))->setActiveAction(form->findChild<QAction*>(QStringLiteral("NCopyAddOp")));
    EXPECT_EQ(panel->text(),
              QStringLiteral(u"Добавить выделенные опкоды к содержимому буфера обмена"));
    // The look-up submenu is disabled until a category is listed; its hint shows anyway.
    const QRect internet = form->findChild<QMenu*>(QStringLiteral("OpListPopupMenu"))->actionGeometry(form->findChild<QMenu*>(QStringLiteral("NInternet"))->menuAction());
    QTest::mouseMove(form->findChild<QMenu*>(QStringLiteral("OpListPopupMenu")), internet.center());
    const QString internetHint =
        QStringLiteral(u"Посмотреть информацию об текущем опкоде в интернет-ресурсах.");
    EXPECT_TRUE(QTest::qWaitFor([&] { return panel->text() == internetHint; }))
        << panel->text().toStdString();
    form->findChild<QMenu*>(QStringLiteral("OpListPopupMenu"))->close();
}

TEST_F(FormMainTest, TooltipsAreSkyBlueAndImmediate) {
    auto form = Open();
    EXPECT_EQ(QToolTip::palette().color(QPalette::ToolTipBase), QColor(166, 202, 240));
    EXPECT_EQ(QApplication::style()->styleHint(QStyle::SH_ToolTip_WakeUpDelay), 0);
    // Of the window's controls only the copy button has a tooltip.
    for (QWidget* control : form->findChildren<QWidget*>()) {
        if (control != form->findChild<QWidget*>(QStringLiteral("Button1"))) {
            EXPECT_TRUE(control->toolTip().isEmpty()) << control->objectName().toStdString();
        }
    }
}
