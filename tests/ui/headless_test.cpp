#include <QApplication>
#include <QLabel>
#include <QTest>
#include <gtest/gtest.h>

// Qt runs without a display: a widget can be shown, laid out and exposed.
TEST(Headless, WidgetShowsUnderTheOffscreenPlatform) {
    QLabel label(QStringLiteral(u"Всего: 0"));
    label.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&label));
    EXPECT_TRUE(label.isVisible());
    EXPECT_GT(label.sizeHint().width(), 0);
    EXPECT_EQ(label.text(), QStringLiteral(u"Всего: 0"));
}
