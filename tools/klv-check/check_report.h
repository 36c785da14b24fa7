#pragma once
// What klv-check found in a data folder: one finding per problem, each tied to one of
// the data files (the seven that start-up reads and the optional Sites.ini) and, where
// there is one, a line of it.

#include <array>
#include <map>
#include <string>
#include <string_view>
#include <vector>

// The seven data files, in the order the program loads them, and the look-up sites.
enum class DataFile { Opcodes, Translation, TypeInfo, TypeLines, Tree, NodeInfo, NodeLines, Sites };
inline constexpr std::size_t kDataFileCount = 8;

enum class Severity {
    Warning, // it loads, but shows less or something odd
    Error,   // the program misreads the data here
    Stop,    // the program's start-up stops here (printed as an error too)
};

struct Finding {
    DataFile file;
    int line = 0; // counted from 1; 0 when the finding concerns the whole file
    Severity severity = Severity::Warning;
    std::string message; // English, UTF-8
    // A shell command that mends the file, "{}" standing for its name as shown; it ends
    // the message.
    std::string fix;
    // For "... and 52 more like this": how many findings it stands for; 0 for one.
    int more = 0;
};

// The exit statuses of klv-check.
enum ExitStatus {
    kExitClean = 0,
    kExitWarnings = 1,   // warnings only
    kExitMisreads = 2,   // errors: KLV starts, but misreads the data
    kExitWontStart = 3,  // KLV's start-up stops
    kExitNotChecked = 4, // the folder could not be checked (or the command line is wrong)
};

// Findings of one kind are those that one place of the checks makes; after the first
// few of a kind in a file the rest are only counted, so that the report (and the memory
// it takes) grows with what is printed, not with the size of the files.
class CheckReport {
  public:
    // How each file is named in the report ("INI/SASCM.ini").
    std::array<std::string, kDataFileCount> fileNames;
    std::vector<Finding> findings;

    // `source` and `sourceLine` say where in the checks a finding is made (the call's
    // place, by default): findings made at one place are of one kind.
    void Add(DataFile file, int line, Severity severity, std::string message, std::string fix = {},
             const char* source = __builtin_FILE(), int sourceLine = __builtin_LINE());
    void Warn(DataFile file, int line, std::string message, const char* source = __builtin_FILE(),
              int sourceLine = __builtin_LINE()) {
        Add(file, line, Severity::Warning, std::move(message), {}, source, sourceLine);
    }
    void Fail(DataFile file, int line, std::string message, const char* source = __builtin_FILE(),
              int sourceLine = __builtin_LINE()) {
        Add(file, line, Severity::Error, std::move(message), {}, source, sourceLine);
    }
    void Stop(DataFile file, int line, std::string message, const char* source = __builtin_FILE(),
              int sourceLine = __builtin_LINE()) {
        Add(file, line, Severity::Stop, std::move(message), {}, source, sourceLine);
    }
    // The file is misread as a whole, as the finding just added says: what else is found
    // in it follows from that and is left out (start-up stopping in it makes that
    // finding stop too).
    void ToldAsAWhole(DataFile file);

    int Errors() const;
    int Warnings() const;
    int ExitStatus() const;
    // Adds the counts of the kinds cut short and puts the causes first: what concerns a
    // whole file (its encoding, its absence), then the errors, then the warnings, each
    // file by file in loading order and by line; the order of the checks is kept among
    // findings on the same line.
    void Finish();

  private:
    struct Kind {
        DataFile file;
        Severity severity;
        std::string_view source;
        int sourceLine;
        auto operator<=>(const Kind&) const = default;
    };
    struct Alike {
        int shown = 0, more = 0, firstLine = 0, lastLine = 0;
    };
    std::map<Kind, Alike> alike_;
    std::array<int, kDataFileCount> wholeFile_{}; // 1 + the finding that tells the file whole
};

// "FILE:LINE: error: message", the line left out when there is none; the fix, with the
// file's name quoted for the shell, ends it.
std::string FormatFinding(const Finding& finding, std::string_view fileName);
// The name as a shell word: as it stands when it needs no quotes, else in single quotes.
std::string ShellWord(std::string_view name);
// "1 line", "2 lines": the count and the noun, plural but for one.
std::string Counted(std::size_t n, std::string_view noun);
// A list in a message that names its first few items and counts them all:
// "0005, 0007" or "0005, 0007, 0009, 000A, 000B, ... (2267 in all)".
class ShortList {
  public:
    void Add(std::string_view item) {
        if (count_++ < kShown)
            text_ += (count_ > 1 ? ", " : "") + std::string(item);
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
