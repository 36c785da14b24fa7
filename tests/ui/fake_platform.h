#pragma once
// Recording stand-ins for the desktop services, for the window tests.

#include <QStringList>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "opcodes/errors.h"
#include "platform/clipboard.h"
#include "platform/error_locator.h"
#include "platform/font_dialogs.h"
#include "platform/message_boxes.h"
#include "platform/platform.h"
#include "platform/process_starter.h"
#include "platform/shell.h"
#include "platform/sounds.h"

struct FakeMessageBoxes : MessageBoxes {
    void Error(const QString& text) override { Show(errors, text); }
    void Warning(const QString& text) override { Show(warnings, text); }
    void Show(QStringList& shown, const QString& text) {
        shown.append(text);
        if (whileOpen)
            whileOpen();
    }
    QStringList errors, warnings;
    std::function<void()> whileOpen; // runs while a box is "open", before it returns
};

struct FakeSounds : Sounds {
    void Play(SystemSound sound) override { played.push_back(sound); }
    std::vector<SystemSound> played;
};

struct FakeProcessStarter : ProcessStarter {
    StartResult Start(const QString& program, bool minimised) override {
        calls.push_back({program, minimised});
        return result;
    }
    struct Call {
        QString program;
        bool minimised;
    };
    std::vector<Call> calls;
    StartResult result{true, {}};
};

struct FakeShell : Shell {
    ShellResult Open(const QString& target) override {
        opened.append(target);
        return result;
    }
    QStringList opened;
    ShellResult result{true, {}};
};

struct FakeErrorLocator : ErrorLocator {
    CodeLocation Locate(const void* address) override {
        addresses.push_back(address);
        return {"KLV", 0x0001A2B4};
    }
    std::vector<const void*> addresses;
};

// An unavailable clipboard fails every use; `text` holds the Windows-1251 bytes handed over.
struct FakeClipboard : Clipboard {
    void SetText(std::string_view bytes) override { Write(bytes, {}); }
    void AddText(std::string_view bytes) override { Write(bytes, text); }
    void Write(std::string_view bytes, const std::string& before) {
        if (!available)
            throw EOSError(kClipboardUnavailableMessage);
        text = before + std::string(bytes);
        ++writes;
    }
    std::string text;
    int writes = 0;
    bool available = true;
};

// Each dialog's initial font is recorded; it returns `answer` (nothing: cancelled).
struct FakeFontDialogs : FontDialogs {
    std::optional<QFont> Choose(const QFont& initial, QWidget*) override {
        shown.push_back(initial);
        return answer;
    }
    std::vector<QFont> shown;
    std::optional<QFont> answer;
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
