// The real desktop services where a test can use them without side effects.
#include <dlfcn.h>
#include <gtest/gtest.h>

#include <QApplication>
#include <QTimer>
#include <QWidget>
#include <cerrno>
#include <cstring>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "opcodes/errors.h"
#include "platform/error_locator.h"
#include "platform/font_dialogs.h"
#include "platform/message_boxes.h"
#include "platform/process_starter.h"
#include "platform/shell.h"
#include "platform/sounds.h"
#include "tests/support/temp_dir.h"

// The module and offset of an address; an unknown one gives the executable and zero.
TEST(DlErrorLocator, NamesTheModuleAndTheOffsetFromItsBase) {
    DlErrorLocator locator;
    const EConvertError error("x");
    const CodeLocation here = locator.Locate(error.RaiseAddress());
    EXPECT_EQ(here.module, "ui_tests");
    EXPECT_NE(here.offset, 0u);
    EXPECT_EQ(locator.Locate(nullptr).module, "ui_tests");
    EXPECT_EQ(locator.Locate(nullptr).offset, 0u);
    // getpid: a C library function that no sanitizer replaces with one of its own.
    void* libcAddress = ::dlsym(RTLD_DEFAULT, "getpid");
    ASSERT_NE(libcAddress, nullptr);
    EXPECT_EQ(locator.Locate(libcAddress).module.rfind("libc.so", 0), 0u);
}

// What cannot be opened or started gives the system's text, in the locale's encoding.
TEST(DesktopServices, FailuresGiveTheSystemsText) {
    TempDir dir;
    CurrentDirScope cd(dir.path());
    const ShellResult opened = DesktopShell().Open(QStringLiteral("Intro.html"));
    EXPECT_FALSE(opened.ok);
    EXPECT_EQ(opened.error, QString::fromLocal8Bit(std::strerror(ENOENT)));
    const StartResult started =
        DetachedProcessStarter().Start(QStringLiteral("kelpra-no-such-program"), true);
    EXPECT_FALSE(started.started);
    EXPECT_TRUE(
        started.error.startsWith(QStringLiteral("Cannot start \"kelpra-no-such-program\". ")));
}

TEST(QtMessageBoxes, BoxesAndTheFontDialogOpenAboveAStayOnTopWindow) {
    // Like the search window: a box beneath it would be hidden, the program frozen.
    QWidget onTop(nullptr, Qt::Tool | Qt::WindowStaysOnTopHint);
    onTop.show();
    QStringList shown;
    std::function<void()> closeBox = [&] {
        QWidget* box = QApplication::activeModalWidget();
        if (box == nullptr) {
            QTimer::singleShot(10, closeBox);
            return;
        }
        shown.append(box->windowTitle());
        EXPECT_TRUE(box->windowFlags() & Qt::WindowStaysOnTopHint) << shown.size();
        box->close();
    };
    QtMessageBoxes boxes;
    QTimer::singleShot(0, closeBox);
    boxes.Error(QStringLiteral("e"));
    QTimer::singleShot(0, closeBox);
    boxes.Warning(QStringLiteral("w"));
    QTimer::singleShot(0, closeBox);
    EXPECT_FALSE(QtFontDialogs().Choose(onTop.font(), &onTop).has_value());
    EXPECT_EQ(shown.mid(0, 2), (QStringList{QStringLiteral("Error"), QStringLiteral("Warning")}));
    EXPECT_EQ(shown.size(), 3);
}

namespace {

class RecordedEvents : public EventSounds {
  public:
    bool PlayEvent(const char* eventId) override {
        played.emplace_back(eventId);
        return playable;
    }
    std::vector<std::string> played;
    bool playable = true;
};

} // namespace

TEST(DesktopSounds, ThemeEventsAndTheBellWhereNoneCanBePlayed) {
    auto owned = std::make_unique<RecordedEvents>();
    RecordedEvents& events = *owned;
    int bells = 0;
    DesktopSounds sounds(std::move(owned), [&] { ++bells; });
    for (const SystemSound sound :
         {SystemSound::Default, SystemSound::Information, SystemSound::CriticalStop})
        sounds.Play(sound);
    EXPECT_EQ(events.played,
              (std::vector<std::string>{"bell", "dialog-information", "dialog-error"}));
    EXPECT_EQ(bells, 0);
    events.playable = false;
    sounds.Play(SystemSound::Information);
    EXPECT_EQ(bells, 1);
    // The real library says no to an event no theme has, sound card or not.
    EXPECT_FALSE(CanberraEventSounds()->PlayEvent("kelpra-no-such-event"));
}
