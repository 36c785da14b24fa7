#pragma once
// What klv-check found in a data folder: one finding per problem, each tied to one of
// the data files (the seven that start-up reads and the optional Sites.ini) and, where
// there is one, a line of it.

#include <array>
#include <string>
#include <string_view>
#include <vector>

// The seven data files, in the order the program loads them, and the look-up sites.
enum class DataFile { Opcodes, Translation, TypeInfo, TypeLines, Tree, NodeInfo, NodeLines, Sites };
inline constexpr std::size_t kDataFileCount = 8;

enum class Severity {
    Warning,  // it loads, but shows less or something odd
    Error,    // the program's start-up stops or misreads here
};

struct Finding {
    DataFile file;
    int line = 0;  // counted from 1; 0 when the finding concerns the whole file
    Severity severity = Severity::Warning;
    std::string message;  // English, UTF-8
};

class CheckReport {
public:
    // How each file is named in the report ("INI/SASCM.ini").
    std::array<std::string, kDataFileCount> fileNames;
    std::vector<Finding> findings;

    void Add(DataFile file, int line, Severity severity, std::string message) {
        findings.push_back({file, line, severity, std::move(message)});
    }
    void Warn(DataFile file, int line, std::string message) {
        Add(file, line, Severity::Warning, std::move(message));
    }
    void Fail(DataFile file, int line, std::string message) {
        Add(file, line, Severity::Error, std::move(message));
    }

    int Errors() const;
    int Warnings() const;
    // 0 clean, 1 warnings only, 2 errors.
    int ExitStatus() const;
    // File by file in loading order, and by line within a file; the order of the checks
    // is kept among findings on the same line.
    void Sort();
};

// "FILE:LINE: error: message", the line left out when there is none.
std::string FormatFinding(const Finding& finding, std::string_view fileName);
// "1 line", "2 lines": the count and the noun, plural but for one.
std::string Counted(std::size_t n, std::string_view noun);
// A list in a message that names its first few items and counts them all:
// "0005, 0007" or "0005, 0007, 0009, 000A, 000B, ... (2267 in all)".
class ShortList {
public:
    void Add(std::string_view item) {
        if (count_++ < kShown) text_ += (count_ > 1 ? ", " : "") + std::string(item);
    }
    std::size_t Count() const { return count_; }
    bool Empty() const { return count_ == 0; }
    std::string Text() const {
        return count_ > kShown ? text_ + ", ... (" + std::to_string(count_) + " in all)" : text_;
    }

private:
    static constexpr std::size_t kShown = 5;
    std::string text_;
    std::size_t count_ = 0;
};

// "2 errors, 1 warning" or "no problems found".
std::string FormatSummary(const CheckReport& report);

// A data text (Windows-1251) for a message: UTF-8, control characters (the byte the code
// page leaves unassigned among them) written as \xNN,
// cut to `longest` characters with "..." after.
std::string Printable(std::string_view bytes, std::size_t longest = 60);
// The same in single quotes.
std::string Quote(std::string_view bytes);
