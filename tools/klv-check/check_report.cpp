#include "tools/klv-check/check_report.h"

#include <algorithm>

#include "opcodes/cp1251.h"

int CheckReport::Errors() const {
    return static_cast<int>(std::count_if(findings.begin(), findings.end(), [](const Finding& f) {
        return f.severity == Severity::Error;
    }));
}

int CheckReport::Warnings() const { return static_cast<int>(findings.size()) - Errors(); }

int CheckReport::ExitStatus() const {
    if (Errors() > 0) return 2;
    return findings.empty() ? 0 : 1;
}

void CheckReport::Sort() {
    std::stable_sort(findings.begin(), findings.end(), [](const Finding& a, const Finding& b) {
        if (a.file != b.file) return a.file < b.file;
        return a.line < b.line;
    });
}

std::string FormatFinding(const Finding& finding, std::string_view fileName) {
    std::string text(fileName);
    if (finding.line > 0) text += ":" + std::to_string(finding.line);
    text += finding.severity == Severity::Error ? ": error: " : ": warning: ";
    text += finding.message;
    return text;
}

std::string Counted(std::size_t n, std::string_view noun) {
    return std::to_string(n) + " " + std::string(noun) + (n == 1 ? "" : "s");
}

std::string FormatSummary(const CheckReport& report) {
    if (report.findings.empty()) return "no problems found";
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
    if (bytes.size() > longest) shown += "...";
    return shown;
}

std::string Quote(std::string_view bytes) { return "'" + Printable(bytes) + "'"; }
