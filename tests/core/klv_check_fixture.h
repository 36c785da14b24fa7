#pragma once
// A small data folder that checks clean, for klv-check's tests: a test overwrites or
// removes a file to plant one kind of problem, then reads the findings.

#include <filesystem>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "opcodes/cp1251.h"
#include "opcodes/database_files.h"
#include "opcodes/files/file_names.h"
#include "tests/support/start_up_load.h"
#include "tests/support/temp_dir.h"
#include "tools/klv-check/data_check.h"

// UTF-8 text with LF line ends as the data files hold it: Windows-1251, CR LF.
inline std::string DataText(std::string_view utf8) {
    std::string crlf;
    for (char ch : utf8) {
        if (ch == '\n') crlf += '\r';
        crlf += ch;
    }
    return Utf8ToCp1251(crlf);
}

inline const std::map<std::string, std::string>& CleanDatabase() {
    static const std::map<std::string, std::string> files{
        {"SASCM.ini", "[INFO]\nVERSION=test\n\n[OPCODES]\n0000=0,nop\n0001=1,wait %1d% ms\n"
                      "0002=-1,start_new_script %1p%\n"},
        {"SASCM_RUS.ini", "[OPCODES]\n0000=0,пустая команда\n0001=1,ждать %1d% мс\n"
                          "0002=-1,запустить скрипт %1p%\n"},
        {"TypeInfo.ini", "[Actions]\nCaption=Действия\nShortCaption=Действ\nOpcodes=1\n\n"
                         "[Checks]\nCaption=Проверки\nShortCaption=Пров\nOpcodes=2\n"},
        {"Types.Opcodes", "0000 0001\n0002\n"},
        {"Opcodes.tree", "All\n\tFirst\n\tSecond\n"},
        {"NodeInfo.ini", "[All]\nCaption=Все опкоды\nOpcodes=1\nExpanded=1\n\n"
                         "[First]\nCaption=Первая\nNote=Заметка\nOpcodes=2\n\n"
                         "[Second]\nCaption=Вторая\n"},
        {"Nodes.Opcodes", "0000 0001 0002\n0001\n"},
    };
    return files;
}

class CheckFolder {
public:
    CheckFolder() {
        for (const auto& [name, text] : CleanDatabase()) Write(name, text);
    }

    // A file of INI/ given as UTF-8 with LF line ends.
    void Write(std::string_view name, std::string_view utf8) const {
        WriteBytes(name, DataText(utf8));
    }
    void WriteBytes(std::string_view name, std::string_view bytes) const {
        dir_.Write("INI/" + std::string(name), bytes);
    }
    void Remove(std::string_view name) const {
        std::filesystem::remove(dir_.path() / "INI" / std::string(name));
    }
    const TempDir& Dir() const { return dir_; }

    CheckReport Report() const {
        CurrentDirScope cd(dir_.path());
        return CheckDatabase(DatabaseFiles::ForCurrentDir(CurrentDir()));
    }

    // Each finding as klv-check prints it, run from inside the folder.
    std::vector<std::string> Findings() const {
        const CheckReport report = Report();
        std::vector<std::string> lines;
        for (const Finding& f : report.findings)
            lines.push_back(FormatFinding(f, report.fileNames[static_cast<std::size_t>(f.file)]));
        return lines;
    }

    // Whether the program's own loading stops with an error on this folder.
    bool StartUpStops() const {
        CurrentDirScope cd(dir_.path());
        return StartUpLoadStops(DatabaseFiles::ForCurrentDir(CurrentDir()));
    }

private:
    TempDir dir_;
};
