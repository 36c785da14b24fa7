// The real desktop services where a test can use them without side effects.
#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDialog>
#include <QFontInfo>
#include <QLabel>
#include <QTest>
#include <QTimer>
#include <QWidget>
#include <cstring>

#include "opcodes/cp1251.h"
#include "platform/system_platform.h"
#include "tests/support/temp_dir.h"

using namespace Qt::StringLiterals;

// Added text follows the desktop's text exactly as it was, characters the code page lacks
// included; the program's bytes reach the desktop as Unicode. An address gives its module
// and offset, an unknown one the executable and zero. What cannot be opened or started
// gives the system's text, from the locale's encoding.
TEST(DesktopServices, ClipboardLocatorAndTheSystemsTextOfFailures) {
    QtClipboard clipboard;
    QGuiApplication::clipboard()->setText(QStringLiteral(u"a漢€б"));
    clipboard.AddText(Utf8ToCp1251("\r\nё"));
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral(u"a漢€б\r\nё"));

    // (A known address's module and offset: the black-box test reads them in errors.log.)
    EXPECT_EQ(DlErrorLocator().Locate(nullptr).offset, 0u);

    TempDir dir;
    CurrentDirScope cd(dir.path());
    const ShellResult opened = DesktopShell().Open(QStringLiteral("Intro.html"));
    EXPECT_FALSE(opened.ok);
    EXPECT_EQ(opened.error, QString::fromLocal8Bit(std::strerror(ENOENT)));
    const StartResult started = DetachedProcessStarter().Start(QStringLiteral("kelpra-none"), true);
    EXPECT_FALSE(started.started);
    EXPECT_TRUE(started.error.startsWith(QStringLiteral("Cannot start \"kelpra-none\". ")));
}

// Boxes and the font dialog open above a stay-on-top window like the search window: one
// beneath it would be hidden and the program frozen. A box gives the activation back to
// the window that raised it, though the window manager handed it to another. The font
// dialog confirmed unchanged keeps the face and style that show, whatever style the face
// lists first.
TEST(QtMessageBoxes, BoxesAndTheFontDialogOpenAboveAStayOnTopWindowAndLeaveItsState) {
    QWidget main, onTop(nullptr, Qt::Tool | Qt::WindowStaysOnTopHint);
    main.show();
    onTop.show(); // and active
    ASSERT_TRUE(QTest::qWaitForWindowActive(&onTop));
    QStringList shown;
    QTimer closer;
    QObject::connect(&closer, &QTimer::timeout, [&] {
        auto* box = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (box == nullptr)
            return;
        EXPECT_TRUE(box->windowFlags() & Qt::WindowStaysOnTopHint)
            << box->windowTitle().toStdString();
        if (const auto* label = box->findChild<QLabel*>(u"FontColorLabel"_s)) {
            const auto* colors = static_cast<const QComboBox*>(label->buddy());
            shown.append(label->text() + colors->currentText() + QString::number(colors->count()) +
                         QString::fromLatin1(label->parentWidget()->metaObject()->className()));
            return box->accept();
        }
        box->close();
        main.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&main));
    });
    closer.start(10);
    QtMessageBoxes().Warning(QStringLiteral("w"));
    EXPECT_TRUE(QTest::qWaitForWindowActive(&onTop));
    // The desktop's own face, without a style name, as the window's font is made.
    const QFont font(QFontInfo(QApplication::font()).family(), 8);
    const QFontInfo before(font),
        after(QtFontDialogs().Choose({font, Qt::black}, &onTop).value_or(FontChoice{}).font);
    EXPECT_EQ(after.family() + u' ' + after.styleName(),
              before.family() + u' ' + before.styleName());
    // Under a dark palette, whose text colour is none of the basic ones.
    QPalette dark = onTop.palette();
    dark.setColor(QPalette::Text, QColor(0xeeeeec));
    onTop.setPalette(dark);
    EXPECT_TRUE(QtFontDialogs().Choose({font, QColor(0xeeeeec)}, &onTop).has_value());
    // Both times the font dialog has the window's text colour and the classic dialog's
    // basic colours, labelled, with the effects.
    EXPECT_EQ(shown, QStringList(2, u"&Цвет:Цвет текста окна17QGroupBox"_s));
}

// The sound theme's events, and the bell for one that cannot be played. The real library
// says no to an event no theme has, sound card or not.
TEST(DesktopSounds, ThemeEventsAndTheBellWhereNoneCanBePlayed) {
    struct Events : EventSounds {
        // The theme lacks the error sound.
        bool PlayEvent(const char* id) override {
            return played.emplace_back(id) != "dialog-error";
        }
        std::vector<std::string> played;
    };
    auto owned = std::make_unique<Events>();
    const Events& events = *owned;
    int bells = 0;
    DesktopSounds sounds(std::move(owned), [&] { ++bells; });
    for (SystemSound sound :
         {SystemSound::Default, SystemSound::Information, SystemSound::CriticalStop})
        sounds.Play(sound);
    EXPECT_EQ(events.played,
              (std::vector<std::string>{"bell", "dialog-information", "dialog-error"}));
    EXPECT_EQ(bells, 1);
    EXPECT_FALSE(CanberraEventSounds()->PlayEvent("kelpra-no-such-event"));
}
