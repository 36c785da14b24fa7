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

TEST(DlErrorLocator, NamesTheModuleAndTheOffsetFromItsBase) {
    DlErrorLocator locator;
    const EConvertError error("x");
    const CodeLocation here = locator.Locate(error.RaiseAddress());
    EXPECT_EQ(here.module, "ui_tests");
    EXPECT_NE(here.offset, 0u);

    // getpid: a C library function that no sanitizer replaces with one of its own.
    void* libcAddress = ::dlsym(RTLD_DEFAULT, "getpid");
    ASSERT_NE(libcAddress, nullptr);
    EXPECT_EQ(locator.Locate(libcAddress).module.rfind("libc.so", 0), 0u);
}

TEST(DlErrorLocator, UnknownAddressGivesTheExecutableAndZero) {
    DlErrorLocator locator;
    const CodeLocation none = locator.Locate(nullptr);
    EXPECT_EQ(none.module, "ui_tests");
    EXPECT_EQ(none.offset, 0u);
    EXPECT_EQ(ExecutableName(), "ui_tests");
}

TEST(DesktopShell, MissingFileGivesTheSystemsText) {
    TempDir dir;
    CurrentDirScope cd(dir.path());
    DesktopShell shell;
    const ShellResult result = shell.Open(QStringLiteral("Intro.html"));
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(result.error, QString::fromLocal8Bit(std::strerror(ENOENT)));
}

TEST(DetachedProcessStarter, ProgramFoundNowhereIsNotStarted) {
    TempDir dir;
    CurrentDirScope cd(dir.path());
    DetachedProcessStarter starter;
    const StartResult result = starter.Start(QStringLiteral("kelpra-no-such-program"), true);
    EXPECT_FALSE(result.started);
    EXPECT_TRUE(
        result.error.startsWith(QStringLiteral("Cannot start \"kelpra-no-such-program\". ")));
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
