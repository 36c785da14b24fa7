// The search window as it opens: its frame, controls, menu, panels, opacity, and how it
// is shown, hidden and driven from the keyboard.
#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QSignalSpy>
#include <QStatusBar>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>

#include "tests/ui/search_fixture.h"

namespace {

int CentreX(const QWidget* widget) {
    return widget->geometry().center().x();
}

} // namespace

TEST_F(SearchWindowsTest, SearchWindowIsAStayOnTopToolWindowOfTheDesignedSize) {
    const Qt::WindowFlags flags = formFind->windowFlags();
    EXPECT_EQ(flags & Qt::WindowType_Mask, Qt::Tool);
    EXPECT_TRUE(flags & Qt::WindowStaysOnTopHint);
    EXPECT_FALSE(flags & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint));
    EXPECT_EQ(formFind->windowTitle(), QStringLiteral(u"Расширенный поиск (F3)"));
    EXPECT_FALSE(formFind->isVisible());
    EXPECT_EQ(formFind->size(), QSize(347, 137));
    EXPECT_EQ(formFind->minimumSize(), QSize(245, 137));
    EXPECT_EQ(formFind->pos(), QPoint(293, 172));
    EXPECT_EQ(formFind->AlphaBlendValue(), 250);
    EXPECT_NEAR(formFind->windowOpacity(), 250 / 255.0, 0.01);
    EXPECT_EQ(formFind->Timer1->interval(), 100);
    EXPECT_TRUE(formFind->Timer1->isActive());
    EXPECT_TRUE(formFind->ButtonFind->isDefault());

    QStringList panels;
    for (int i = 0; i < 4; ++i)
        panels.append(formFind->StatusPanel(i)->text());
    // Panel 3 copies the main window's total.
    EXPECT_EQ(panels, (QStringList{QStringLiteral(u"Готово."), QStringLiteral(u"Найдено: 0"),
                                   QStringLiteral(u"из: 0"), QStringLiteral(u"Всего: 4")}));
    // No pop-up tips: the hints go to the main window's status bar.
    for (const QWidget* control : formFind->findChildren<QWidget*>())
        EXPECT_TRUE(control->toolTip().isEmpty()) << control->objectName().toStdString();
}

TEST_F(SearchWindowsTest, ControlsSitWhereDesignedAndFollowTheSize) {
    // The fields begin at 104 unless the desktop's font needs more room for the labels.
    const int fieldLeft = formFind->EditYes->x();
    EXPECT_GE(fieldLeft, 104);
    int top = 8;
    for (const QLineEdit* field : {formFind->EditYes, formFind->EditNo, formFind->EditOr}) {
        EXPECT_EQ(field->geometry(), QRect(fieldLeft, top, 338 - fieldLeft, 21));
        top += 24;
    }
    for (const QLabel* label : {formFind->LabelYes, formFind->LabelNo, formFind->LabelOr}) {
        EXPECT_GE(label->x(), 8);
        EXPECT_LE(label->geometry().right(), fieldLeft);
        EXPECT_GE(label->width(), label->sizeHint().width()) << label->text().toStdString();
    }
    EXPECT_EQ(formFind->BitBtn1->geometry().topLeft(), QPoint(8, 85));
    EXPECT_EQ(formFind->ButtonFind->geometry().right(), 337);
    EXPECT_NEAR(CentreX(formFind->BtnAll), 172, 1);
    EXPECT_EQ(formFind->ListViewFind->geometry(), QRect(0, 118, 347, 0));
    EXPECT_EQ(formFind->StatusBar1->geometry(), QRect(0, 118, 347, 19));

    formFind->show();
    formFind->resize(500, 300);
    EXPECT_EQ(formFind->EditOr->geometry().right(), 490);
    EXPECT_EQ(formFind->BitBtn1->x(), 8);
    EXPECT_EQ(formFind->ButtonFind->geometry().right(), 490);
    EXPECT_NEAR(CentreX(formFind->BtnAll), 172.5 * 500 / 347, 1);
    EXPECT_EQ(formFind->ListViewFind->geometry(), QRect(0, 118, 500, 163));
    EXPECT_EQ(formFind->StatusBar1->geometry(), QRect(0, 281, 500, 19));
}

TEST_F(SearchWindowsTest, ResultListMenuHoldsShowAndTheCopyItems) {
    const OpcodeListView* list = formFind->ListViewFind;

    QStringList items;
    for (const QAction* item : formFind->OpListPopupMenu->actions())
        items.append(item->isSeparator() ? QStringLiteral("-")
                                         : item->text() + u'|' + item->shortcut().toString() +
                                               u'|' + item->property("tag").toString());
    EXPECT_EQ(items,
              (QStringList{QStringLiteral(u"Показать в списке||0"), QStringLiteral("-"),
                           QStringLiteral(u"&Копировать в буфер обмена|Ctrl+C|1"),
                           QStringLiteral(u"&Добавить в буфер обмена||2"), QStringLiteral("-"),
                           QStringLiteral(u"Копировать &всё в буфер обмена|Ctrl+Alt+C|3"),
                           QStringLiteral(u"Добавить вс&ё в буфер обмена||4")}));
    EXPECT_EQ(formFind->OpListPopupMenu->defaultAction(), formFind->NShow);
    for (QAction* copy : {formFind->NCopyOp, formFind->NCopyAll}) {
        EXPECT_EQ(copy->shortcutContext(), Qt::WidgetWithChildrenShortcut);
        EXPECT_TRUE(list->actions().contains(copy));
    }
}

TEST_F(SearchWindowsTest, FocusMovesInTheDesignedOrder) {
    ShowActive(formFind.get());
    formFind->EditYes->setFocus();
    QList<QWidget*> order{QApplication::focusWidget()};
    for (int i = 0; i < 7; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        order.append(QApplication::focusWidget());
    }
    EXPECT_EQ(order,
              (QList<QWidget*>{formFind->EditYes, formFind->EditNo, formFind->BitBtn1,
                               formFind->ButtonFind, formFind->EditOr, formFind->ListViewFind,
                               formFind->BtnAll, formFind->EditYes}));
}

TEST_F(SearchWindowsTest, OpacityFollowsWhetherTheWindowIsActive) {
    ShowActive(formMain.get());
    formFind->show();
    formFind->Timer1Timer();
    EXPECT_EQ(formFind->AlphaBlendValue(), 200);
    EXPECT_NEAR(formFind->windowOpacity(), 200 / 255.0, 0.01);

    ShowActive(formFind.get());
    formFind->Timer1Timer();
    EXPECT_EQ(formFind->AlphaBlendValue(), 252);
    formFind->Timer1Timer();
    EXPECT_EQ(formFind->AlphaBlendValue(), 252);
    // The timer itself does it too.
    ShowActive(formMain.get());
    EXPECT_TRUE(QTest::qWaitFor([&] { return formFind->AlphaBlendValue() == 200; }, 1000));
}

TEST_F(SearchWindowsTest, F3ShowsTheWindowAndClosingOnlyHidesIt) {
    ShowActive(formMain.get());
    QTest::keyClick(formMain->findChild<QTreeWidget*>(QStringLiteral("OpTreeView")), Qt::Key_F3);
    EXPECT_TRUE(formFind->isVisible());
    EXPECT_TRUE(QTest::qWaitForWindowActive(formFind.get()));

    FillMainList(SampleRows());
    formFind->EditYes->setText(QStringLiteral("actor"));
    formFind->BtnAll->click();
    formFind->BitBtn1->click();
    EXPECT_FALSE(formFind->isVisible());
    formMain->findChild<QAction*>(QStringLiteral("NFindWin"))->trigger();
    EXPECT_TRUE(formFind->isVisible());
    formFind->close(); // the close box
    EXPECT_FALSE(formFind->isVisible());
    formMain->findChild<QAction*>(QStringLiteral("NFindWin"))->trigger();
    EXPECT_EQ(formFind->EditYes->text(), QStringLiteral("actor"));
    formFind->setWindowState(Qt::WindowMinimized);
    formMain->findChild<QAction*>(QStringLiteral("NFindWin"))->trigger();
    EXPECT_FALSE(formFind->isMinimized());
    EXPECT_EQ(formFind->ListViewFind->Rows()->Count(), 2);
    EXPECT_TRUE(formMain->isVisible());
}

TEST_F(SearchWindowsTest, EnterFindsTheNextMatchAndEscDoesNothing) {
    FillMainList(SampleRows());
    ShowActive(formFind.get());
    QSignalSpy findNext(formFind->ButtonFind, &QPushButton::clicked);
    QSignalSpy listAll(formFind->BtnAll, &QPushButton::clicked);

    formFind->EditOr->setFocus();
    QTest::keyClick(formFind->EditOr, Qt::Key_Return);
    formFind->ListViewFind->setFocus();
    QTest::keyClick(formFind->ListViewFind, Qt::Key_Enter);
    EXPECT_EQ(findNext.count(), 2);
    EXPECT_EQ(SelectedRows(formMain->OpList()), std::vector<int>{1});
    // A focused button answers Enter itself.
    formFind->BtnAll->setFocus();
    QTest::keyClick(formFind->BtnAll, Qt::Key_Return);
    EXPECT_EQ(listAll.count(), 1);
    EXPECT_EQ(findNext.count(), 2);

    QTest::keyClick(formFind->EditYes, Qt::Key_Escape);
    EXPECT_TRUE(formFind->isVisible());

    // "Поиск!" stays the default button after another button had the focus.
    QTest::mouseClick(formFind->ButtonFind, Qt::LeftButton);
    QTest::mouseClick(formFind->BtnAll, Qt::LeftButton);
    EXPECT_TRUE(formFind->ButtonFind->isDefault());
    QTest::keyClick(formFind->EditYes, Qt::Key_Return);
    EXPECT_EQ(findNext.count(), 4);
}

TEST_F(SearchWindowsTest, HintsShowInTheMainWindowsStatusBar) {
    ShowActive(formFind.get());
    QTest::mouseMove(formFind->EditOr, formFind->EditOr->rect().center());
    QCoreApplication::processEvents();
    EXPECT_EQ(formMain->StatusPanel(0)->text(),
              QStringLiteral(u"Введите сюда те слова через пробел, хотя-бы одно из которых "
                             u"будет в опкоде."));

    formFind->OpListPopupMenu->popup(formFind->mapToGlobal(QPoint(20, 20)));
    ASSERT_TRUE(QTest::qWaitForWindowExposed(formFind->OpListPopupMenu));
    formFind->OpListPopupMenu->setActiveAction(formFind->NCopyAll);
    EXPECT_EQ(formMain->StatusPanel(0)->text(),
              QStringLiteral(u"Копировать все опкоды в списке в буфер обмена"));
    formFind->OpListPopupMenu->close();
}
