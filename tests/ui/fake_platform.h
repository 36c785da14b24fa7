#pragma once
// Recording stand-ins for the desktop services, for the window tests.

#include <QString>
#include <QStringList>
#include <functional>
#include <string>
#include <vector>

#include "platform/clipboard.h"
#include "platform/error_locator.h"
#include "platform/font_dialogs.h"
#include "platform/message_boxes.h"
#include "platform/platform.h"
#include "platform/process_starter.h"
#include "platform/shell.h"
#include "platform/sounds.h"

class FakeMessageBoxes : public MessageBoxes {
  public:
    void Error(const QString& text) override;
    void Warning(const QString& text) override;

    QStringList errors, warnings;
    // Runs while a box is "open", before it returns.
    std::function<void()> whileOpen;
};

class FakeSounds : public Sounds {
  public:
    void Play(SystemSound sound) override { played.push_back(sound); }
    std::vector<SystemSound> played;
};

class FakeProcessStarter : public ProcessStarter {
  public:
    StartResult Start(const QString& program, bool minimised) override;

    struct Call {
        QString program;
        bool minimised;
    };
    std::vector<Call> calls;
    StartResult result{true, {}};
};

class FakeShell : public Shell {
  public:
    ShellResult Open(const QString& target) override {
        opened.append(target);
        return result;
    }
    QStringList opened;
    ShellResult result{true, {}};
};

class FakeErrorLocator : public ErrorLocator {
  public:
    CodeLocation Locate(const void* address) override {
        addresses.push_back(address);
        return location;
    }
    std::vector<const void*> addresses;
    CodeLocation location{"KLV", 0x0001A2B4};
};

class FakeClipboard : public Clipboard {
  public:
    void SetText(std::string_view bytes) override;
    void AddText(std::string_view bytes) override;

    std::string text; // Windows-1251, as the program handed it over
    int writes = 0;
    bool available = true; // false: every use fails as an unavailable clipboard does
};

class FakeFontDialogs : public FontDialogs {
  public:
    std::optional<QFont> Choose(const QFont& initial, QWidget*) override {
        shown.push_back(initial);
        return answer;
    }
    std::vector<QFont> shown;    // the font each dialog opened with
    std::optional<QFont> answer; // what the user confirms; nothing: cancelled
};

struct FakePlatform {
    FakeMessageBoxes boxes;
    FakeSounds sounds;
    FakeProcessStarter processes;
    FakeShell shell;
    FakeErrorLocator locator;
    FakeClipboard clipboard;
    FakeFontDialogs fonts;

    Platform Services() { return {boxes, sounds, processes, shell, locator, clipboard, fonts}; }
};
