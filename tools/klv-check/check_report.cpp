#include "tools/klv-check/check_report.h"

#include <algorithm>

#include "opcodes/cp1251.h"

namespace {

// How many findings of a kind a file shows before the rest are counted.
constexpr int kAlikeShown = 3;

int Count(const Finding& f) {
    return f.more > 0 ? f.more : 1;
}

// Whole-file findings first, then errors, then warnings.
int Rank(const Finding& f) {
    if (f.line == 0)
        return 0;
    return f.severity == Severity::Warning ? 2 : 1;
}

} // namespace

void CheckReport::Add(DataFile file, int line, Severity severity, std::string message,
                      std::string fix, const char* source, int sourceLine) {
    const auto f = static_cast<std::size_t>(file);
    if (wholeFile_[f] > 0) {
        Finding& whole = findings[static_cast<std::size_t>(wholeFile_[f] - 1)];
        if (severity == Severity::Stop)
            whole.severity = Severity::Stop;
        return;
    }
    Alike& alike = alike_[{file, severity, source, sourceLine}];
    if (alike.shown == kAlikeShown) {
        if (alike.more++ == 0)
            alike.firstLine = line;
        alike.firstLine = std::min(alike.firstLine, line);
        alike.lastLine = std::max(alike.lastLine, line);
        return;
    }
    ++alike.shown;
    findings.push_back({file, line, severity, std::move(message), std::move(fix), 0});
}

void CheckReport::ToldAsAWhole(DataFile file) {
    wholeFile_[static_cast<std::size_t>(file)] = static_cast<int>(findings.size());
}

int CheckReport::Errors() const {
    int errors = 0;
    for (const Finding& f : findings)
        if (f.severity != Severity::Warning)
            errors += Count(f);
    return errors;
}

int CheckReport::Warnings() const {
    int warnings = 0;
    for (const Finding& f : findings)
        if (f.severity == Severity::Warning)
            warnings += Count(f);
    return warnings;
}

int CheckReport::ExitStatus() const {
    if (std::ranges::any_of(findings,
                            [](const Finding& f) { return f.severity == Severity::Stop; }))
        return kExitWontStart;
    if (Errors() > 0)
        return kExitMisreads;
    return findings.empty() ? kExitClean : kExitWarnings;
}

void CheckReport::Finish() {
    for (const auto& [kind, alike] : alike_) {
        if (alike.more == 0)
            continue;
        std::string lines =
            alike.firstLine == alike.lastLine
                ? "line " + std::to_string(alike.firstLine)
                : "lines " + std::to_string(alike.firstLine) + "-" + std::to_string(alike.lastLine);
        findings.push_back({kind.file,
                            alike.firstLine,
                            kind.severity,
                            "... and " + std::to_string(alike.more) + " more like this, " +
                                (alike.firstLine > 0 ? lines : "in the whole file"),
                            {},
                            alike.more});
    }
    alike_.clear();
    std::stable_sort(findings.begin(), findings.end(), [](const Finding& a, const Finding& b) {
        if (Rank(a) != Rank(b))
            return Rank(a) < Rank(b);
        if (a.file != b.file)
            return a.file < b.file;
        if ((a.severity == Severity::Warning) != (b.severity == Severity::Warning))
            return b.severity == Severity::Warning;
        return a.line < b.line;
    });
}

std::string ShellWord(std::string_view name) {
    const bool plain = !name.empty() && std::ranges::all_of(name, [](char ch) {
        return (ch >= 'a' && ch <= 'z') || (ch >= 'A' && ch <= 'Z') || (ch >= '0' && ch <= '9') ||
               ch == '/' || ch == '.' || ch == '_' || ch == '-' || ch == '+' || ch == ',';
    }) && name.front() != '-';
    if (plain)
        return std::string(name);
    std::string word = "'";
    for (char ch : name)
        word += ch == '\'' ? std::string("'\\''") : std::string(1, ch);
    return word + "'";
}

std::string FormatFinding(const Finding& finding, std::string_view fileName) {
    std::string text(fileName);
    if (finding.line > 0)
        text += ":" + std::to_string(finding.line);
    text += finding.severity == Severity::Warning ? ": warning: " : ": error: ";
    text += finding.message;
    const std::string name = ShellWord(fileName);
    std::size_t at = 0;
    for (std::size_t brace; (brace = finding.fix.find("{}", at)) != std::string::npos;
         at = brace + 2)
        text += finding.fix.substr(at, brace - at) + name;
    return text + finding.fix.substr(at);
}

std::string Counted(std::size_t n, std::string_view noun) {
    return std::to_string(n) + " " + std::string(noun) + (n == 1 ? "" : "s");
}

std::string FormatSummary(const CheckReport& report) {
    if (report.findings.empty())
        return "no problems found";
    return Counted(static_cast<std::size_t>(report.Errors()), "error") + ", " +
           Counted(static_cast<std::size_t>(report.Warnings()), "warning");
}

std::string Printable(std::string_view bytes, std::size_t longest) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string shown;
    for (std::size_t i = 0; i < bytes.size() && i < longest; ++i) {
        const auto byte = static_cast<unsigned char>(bytes[i]);
        const char32_t code = Cp1251ToUnicode(byte);
        if (code < 0x20 || (code >= 0x7F && code < 0xA0)) {
            shown += "\\x";
            shown += kHex[byte >> 4];
            shown += kHex[byte & 0xF];
        } else {
            shown += Cp1251ToUtf8(bytes.substr(i, 1));
        }
    }
    if (bytes.size() > longest)
        shown += "...";
    return shown;
}

std::string Quote(std::string_view bytes) {
    return "'" + Printable(bytes) + "'";
}
