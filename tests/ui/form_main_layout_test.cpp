// The window's controls as it opens: names, docking, sizes, texts.
#include <QApplication>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QSplitter>
#include <QSplitterHandle>
#include <QStatusBar>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>

#include "tests/ui/form_fixture.h"
#include "ui/find/form_find.h"

TEST_F(FormMainTest, EveryControlCarriesItsName) {
    auto form = Open();
    for (const char* name :
         {"Panel1", "OpTreeView", "CheckListBoxType", "Panel2", "OpMemoFind", "OpListView",
          "Panel3", "OpMemoNote", "GroupBox1", "Edit1", "Button1", "StatusBar1"})
        EXPECT_NE(form->findChild<QWidget*>(QString::fromLatin1(name)), nullptr) << name;
    for (const char* name : {"Splitter1", "Splitter2", "Splitter3", "Splitter4", "Splitter5"})
        EXPECT_NE(form->findChild<QSplitterHandle*>(QString::fromLatin1(name)), nullptr) << name;
    EXPECT_EQ(form->windowTitle(), QStringLiteral("Kelpra v.0.2b"));
}

TEST_F(FormMainTest, ControlsOpenWithTheirDesignedSizes) {
    auto form = Open();
    form->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
    EXPECT_EQ(form->Panel1->width(), 185);
    EXPECT_EQ(form->CheckListBoxType->height(), 69);
    EXPECT_EQ(form->OpMemoFind->height(), 21);
    EXPECT_EQ(form->Panel3->width(), 1);
    const QHeaderView* header = form->OpListView->header();
    // 50 pixels, or what the caption needs where the font is wider than designed.
    for (int column : {2, 3}) {
        EXPECT_EQ(header->sectionSize(column), qMax(50, header->sectionSizeHint(column)));
        EXPECT_GE(header->sectionSize(column), header->fontMetrics().horizontalAdvance(
                                                   form->OpListView->Rows()->headerData(column, Qt::Horizontal).toString()));
    }
    EXPECT_NEAR(header->sectionSize(0), header->sectionSize(1), 1);
    EXPECT_EQ(header->length(), form->OpListView->viewport()->width());
    EXPECT_TRUE(header->sectionsMovable());

    // The last status panel reaches the bar's right edge.
    const QLabel* last = form->StatusPanel(4);
    EXPECT_GE(last->mapTo(form->StatusBar1, QPoint(last->width(), 0)).x(),
              form->StatusBar1->width() - 20);

    // The first panel has its designed width where there is room; in the restored window
    // of 676 pixels it alone gives way, and the others keep their widths and texts.
    form->showNormal();
    form->resize(1200, 342);
    ASSERT_TRUE(QTest::qWaitFor([&] { return form->StatusBar1->width() == 1200; }));
    EXPECT_EQ(form->StatusPanel(0)->width(), 470);
    form->resize(676, 342);
    ASSERT_TRUE(QTest::qWaitFor([&] { return form->StatusBar1->width() == 676; }));
    const int designed[] = {470, 82, 65, 85, 50};
    for (int i = 1; i < 5; ++i)
        EXPECT_GE(form->StatusPanel(i)->width(),
                  qMax(designed[i], form->StatusPanel(i)->sizeHint().width()))
            << i;
    EXPECT_GT(form->StatusPanel(0)->width(), 200);
}

TEST_F(FormMainTest, SplittersKeepTheirMinimumsWhileDragged) {
    auto form = Open();
    form->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
    auto* handle = form->findChild<QSplitterHandle*>(QStringLiteral("Splitter1"));
    ASSERT_NE(handle, nullptr);
    const QPoint grip = handle->rect().center();
    QTest::mousePress(handle, Qt::LeftButton, {}, grip);
    QTest::mouseMove(handle, grip - QPoint(500, 0));
    QTest::mouseRelease(handle, Qt::LeftButton, {}, grip - QPoint(500, 0));
    EXPECT_EQ(form->Panel1->width(), 30);

    // The right panel opens from its one-pixel strip to at least the minimum.
    auto* right = form->findChild<QSplitterHandle*>(QStringLiteral("Splitter2"));
    const QPoint rightGrip = right->rect().center();
    QTest::mousePress(right, Qt::LeftButton, {}, rightGrip);
    QTest::mouseMove(right, rightGrip - QPoint(10, 0));
    QTest::mouseRelease(right, Qt::LeftButton, {}, rightGrip - QPoint(10, 0));
    EXPECT_EQ(form->Panel3->width(), 30);
}

TEST_F(FormMainTest, ControlsShowTheirDesignedTexts) {
    auto form = Open();
    QStringList panels;
    for (int i = 0; i < 5; ++i)
        panels.append(form->StatusPanel(i)->text());
    EXPECT_EQ(panels, (QStringList{QStringLiteral(u"Готов"), QStringLiteral(u"Опкодов: 0"),
                                   QStringLiteral(u"Всего: 4"), QStringLiteral(u"Текущий: нет"),
                                   QStringLiteral(u"Выделено: 0")}));
    EXPECT_EQ(form->OpMemoNote->toPlainText(),
              QStringLiteral(u"Здесь появляется подробное \nописание опкодов.\n"
                             u"Щёлкните по опкоду для просмотра \nего описания."));
    EXPECT_TRUE(form->OpMemoNote->isReadOnly());
    EXPECT_EQ(form->GroupBox1->title(), QStringLiteral(u"Копирование в буфер:"));
    EXPECT_EQ(form->Edit1->text(), QStringLiteral("Edit1"));
    EXPECT_EQ(form->Button1->text(), QStringLiteral(u"Копир"));
    EXPECT_EQ(form->Button1->toolTip(), QStringLiteral(u"Скопировать в буфер обмена"));
    QStringList columns;
    for (int i = 0; i < 4; ++i)
        columns.append(form->OpListView->Rows()->headerData(i, Qt::Horizontal).toString());
    EXPECT_EQ(columns,
              (QStringList{QStringLiteral(u"Опкод"), QStringLiteral(u"Русский перевод (от Tovin)"),
                           QStringLiteral(u"Tип"), QStringLiteral(u"Кол-во парам")}));
    EXPECT_EQ(form->OpListView->selectionMode(), QAbstractItemView::ExtendedSelection);
    EXPECT_EQ(form->OpTreeView->selectionMode(), QAbstractItemView::ExtendedSelection);
    EXPECT_EQ(form->OpTreeView->indentation(), 19);
    EXPECT_EQ(form->OpTreeView->editTriggers(), QAbstractItemView::NoEditTriggers);
}

TEST_F(FormMainTest, TabGoesThroughTheControlsInTheirOrder) {
    auto form = Open();
    form->show();
    form->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    const QList<QWidget*> order = {form->OpListView,      form->OpMemoFind, form->OpMemoNote,
                                   form->Edit1,           form->Button1,    form->OpTreeView,
                                   form->CheckListBoxType};
    form->OpListView->setFocus();
    for (int i = 1; i < order.size(); ++i) {
        // Tab in the quick-search box searches; the focus leaves it by Shift+Tab or mouse.
        if (order[i - 1] == form->OpMemoFind)
            order[i]->setFocus();
        else
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        EXPECT_EQ(QApplication::focusWidget(), order[i]) << order[i]->objectName().toStdString();
    }
}

TEST_F(FormMainTest, TreeReportsAChangeAfterItsDelay) {
    auto form = Open();
    EXPECT_EQ(form->OpTreeViewChangeDelay->interval(), 1);
    EXPECT_TRUE(form->OpTreeViewChangeDelay->isSingleShot());
    QSignalSpy reported(form->OpTreeViewChangeDelay, &QTimer::timeout);
    form->OpTreeView->setCurrentItem(form->OpTreeView->topLevelItem(0));
    form->OpTreeView->setCurrentItem(form->OpTreeView->topLevelItem(1));
    EXPECT_EQ(reported.count(), 0);
    EXPECT_TRUE(QTest::qWaitFor([&] { return reported.count() == 1; }));
    QTest::qWait(20);
    EXPECT_EQ(reported.count(), 1);
}

TEST_F(FormMainTest, SearchWindowStartsHiddenWithTheTotal) {
    auto form = Open();
    TFormFind find(*form, fake.Services());
    EXPECT_FALSE(find.isVisible());
    QStringList panels;
    for (int i = 0; i < 4; ++i)
        panels.append(find.StatusPanel(i)->text());
    EXPECT_EQ(panels, (QStringList{QStringLiteral(u"Готово."), QStringLiteral(u"Найдено: 0"),
                                   QStringLiteral(u"из: 0"), QStringLiteral(u"Всего: 4")}));
    EXPECT_FALSE(find.testAttribute(Qt::WA_QuitOnClose));
}
