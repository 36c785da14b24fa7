#pragma once
// A main window opened on a crafted database in a fresh current directory, with
// recording stand-ins for the desktop services, and what the window tests read of it.

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QTest>
#include <memory>
#include <optional>
#include <ostream>
#include <regex>
#include <stdexcept>

#include "platform/font_dialogs.h"
#include "platform/system_platform.h"
#include "tests/support/temp_dir.h"
#include "ui/main/form_main.h"

struct FakeMessageBoxes : MessageBoxes {
    void Error(const QString& text) override { errors.append(text); }
    void Warning(const QString& text) override { warnings.append(text); }
    QStringList errors, warnings;
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
    std::vector<std::pair<QString, bool>> calls; // program, minimised
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

// `text` holds the Windows-1251 bytes handed over.
struct FakeClipboard : Clipboard {
    void SetText(std::string_view bytes) override { text = bytes, ++writes; }
    void AddText(std::string_view bytes) override { text += bytes, ++writes; }
    std::string text;
    int writes = 0;
};

// Each dialog's initial font and colour are recorded; it returns `answer` (nothing:
// cancelled).
struct FakeFontDialogs : FontDialogs {
    std::optional<FontChoice> Choose(const FontChoice& initial, QWidget*) override {
        shown.push_back(initial);
        return answer;
    }
    std::vector<FontChoice> shown;
    std::optional<FontChoice> answer;
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

// A small database laid out in a test folder, one text per data file (UTF-8 here, written
// as Windows-1251 with CR LF line ends). A file set to nothing is left out.
struct CraftedDb {
    std::optional<std::string> opcodes = "[OPCODES]\n0001=1,wait %1d% ms\n0002=1,jump %1p%\n"
                                         "00A1=4,put_actor %1d% at %2d% %3d% %4d%\n";
    std::optional<std::string> translation = "[OPCODES]\n0001=1,ждать %1d% мс\n";
    std::optional<std::string> typeInfo = "[T1]\nCaption=Действия\nShortCaption=Д\nOpcodes=1\n"
                                          "[T2]\nCaption=Проверки\nShortCaption=П\nOpcodes=2\n";
    std::optional<std::string> typeLines = "0001 0002\n00A1\n";
    std::optional<std::string> tree = "Все\n\tИгрок\n\tАктёры\n\t\tПроверки\nCleo\n";
    std::optional<std::string> nodeInfo = "[Все]\nCaption=Все опкоды\nOpcodes=1\nNote=Всё сразу\n"
                                          "[Игрок]\nCaption=Игрок\nOpcodes=2\nExpanded=true\n"
                                          "[Актёры]\nCaption=Актёры\nOpcodes=3\nExpanded=1\n"
                                          "[Проверки]\nCaption=Проверки актёров\n"
                                          "[Cleo]\nCaption=Cleo-опкоды\n";
    std::optional<std::string> nodeLines = "0001 0002 00A1 0AF0\n0001\n00A1 0002\n";

    void WriteTo(const TempDir& dir) const {
        const std::pair<const char*, const std::optional<std::string>*> files[] = {
            {"SASCM.ini", &opcodes},      {"SASCM_RUS.ini", &translation},
            {"TypeInfo.ini", &typeInfo},  {"Types.Opcodes", &typeLines},
            {"Opcodes.tree", &tree},      {"NodeInfo.ini", &nodeInfo},
            {"Nodes.Opcodes", &nodeLines}};
        for (const auto& [name, text] : files)
            if (text->has_value())
                dir.WriteCp1251(std::string("INI/") + name,
                                std::regex_replace(**text, std::regex("\n"), "\r\n"));
    }
};

class FormMainTest : public ::testing::Test {
  protected:
    // Writes the database, enters the folder and creates the window.
    std::unique_ptr<TFormMain> Open(const CraftedDb& db = {}) {
        db.WriteTo(dir);
        cd.emplace(dir.path());
        return std::make_unique<TFormMain>(fake.Services());
    }

    TempDir dir;
    FakePlatform fake;
    std::optional<CurrentDirScope> cd;
};

// Waits until the window is the application's active one: the search window shares its
// owner's activation, so neither window's own state tells which of the two has it.
inline bool WaitUntilActive(const QWidget* window) {
    return QTest::qWaitFor([window] { return QApplication::activeWindow() == window; });
}

// Readable failures for Qt strings.
inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}

// A window's control, menu or action by its object name; the test stops when it has none.
template <class T = QAction> T* Named(const QObject* window, const char* name) {
    if (T* found = window->findChild<T*>(QString::fromLatin1(name)))
        return found;
    throw std::runtime_error(std::string("no child named ") + name);
}
inline void Trigger(const QObject* window, const char* name) {
    Named(window, name)->trigger();
}

// An opcode list's cell, selected rows (ascending) and captions; selecting exactly rows.
inline QString CellText(const OpcodeListView* list, int row, int column = 0) {
    return list->Rows()->index(row, column).data().toString();
}
inline std::vector<int> SelectedRows(const OpcodeListView* list) {
    std::vector<int> rows;
    for (int i = 0; i < list->Rows()->Count(); ++i)
        if (list->selectionModel()->isRowSelected(i))
            rows.push_back(i);
    return rows;
}
inline void SelectRows(OpcodeListView* list, const std::vector<int>& rows) {
    list->clearSelection();
    for (int row : rows)
        list->selectionModel()->select(list->Rows()->index(row, 0),
                                       QItemSelectionModel::Select | QItemSelectionModel::Rows);
}

// The error box's text for an error of that message and class.
inline QString BoxText(const QString& message, const QString& className) {
    return QStringLiteral(u"Произошла неожиданная ошибка \"") + message +
           QStringLiteral(u"\" (Класс ") + className +
           QStringLiteral(u").\r\nЗаписано в log-файл Errors.log");
}

// The log record's pattern for that class and message, which hold no pattern characters
// but '.' (the end mark as in the log).
inline std::string RecordPattern(const std::string& className, const std::string& loggedMessage) {
    return "[0-9]{2}\\.[0-9]{2}\\.[0-9]{4} [0-9]{1,2}:[0-9]{2}:[0-9]{2}\\. Exception " + className +
           " in module KLV at 0001A2B4\\.\r\n" + loggedMessage + "\r\n\r\n";
}
