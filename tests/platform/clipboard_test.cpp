// The desktop clipboard through the program's code page.
#include <gtest/gtest.h>

#include <QClipboard>
#include <QGuiApplication>

#include "opcodes/cp1251.h"
#include "platform/clipboard.h"

TEST(QtClipboard, HandsTheDesktopUnicodeAndReadsItBackAsTheCodePage) {
    QtClipboard clipboard;
    const std::string bytes = Utf8ToCp1251("\r\n0001: wait %1d% ms   //ждать №1\r\n00A1: ё");
    clipboard.SetText(bytes);
    EXPECT_EQ(QGuiApplication::clipboard()->text(),
              QStringLiteral(u"\r\n0001: wait %1d% ms   //ждать №1\r\n00A1: ё"));
    EXPECT_EQ(clipboard.Text(), bytes);

    clipboard.SetText("");
    EXPECT_EQ(clipboard.Text(), "");
}

TEST(QtClipboard, CharactersTheCodePageLacksComeBackAsQuestionMarks) {
    QtClipboard clipboard;
    QGuiApplication::clipboard()->setText(QStringLiteral(u"a漢€б"));
    EXPECT_EQ(clipboard.Text(), Utf8ToCp1251("a?€б"));
    QGuiApplication::clipboard()->clear();
    EXPECT_EQ(clipboard.Text(), "");
}
