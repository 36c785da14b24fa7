// The desktop clipboard through the program's code page.
#include <gtest/gtest.h>

#include <QClipboard>
#include <QGuiApplication>

#include "opcodes/cp1251.h"
#include "platform/clipboard.h"

TEST(QtClipboard, HandsTheDesktopUnicode) {
    QtClipboard clipboard;
    clipboard.SetText(Utf8ToCp1251("\r\n0001: wait %1d% ms   //ждать №1\r\n00A1: ё"));
    EXPECT_EQ(QGuiApplication::clipboard()->text(),
              QStringLiteral(u"\r\n0001: wait %1d% ms   //ждать №1\r\n00A1: ё"));
    clipboard.SetText("");
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QString());
}

TEST(QtClipboard, AddedTextFollowsTheDesktopsTextAsItWas) {
    QtClipboard clipboard;
    QGuiApplication::clipboard()->setText(QStringLiteral(u"a漢€б"));
    clipboard.AddText(Utf8ToCp1251("\r\nё"));
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral(u"a漢€б\r\nё"));
    QGuiApplication::clipboard()->clear();
    clipboard.AddText("x");
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("x"));
}
