#include <set>

#include "opcodes/ini_file.h"
#include "tools/klv-check/checks.h"

namespace {

std::string InAll(std::size_t count, const char* what) {
    return count > 1 ? " (" + std::to_string(count) + " " + what + " in all)" : "";
}

// Which lines of the file something names, by line number (index 0 unused).
std::vector<bool> NamedLines(const LineFileUse& use) {
    std::vector<bool> named(use.lines->lines->LineCount() + 1);
    for (const LineReference& ref : *use.refs) {
        const int32_t line = LineRead(ref);
        if (line > 0 && static_cast<std::size_t>(line) < named.size())
            named[static_cast<std::size_t>(line)] = true;
    }
    return named;
}

void CheckReference(const LineFileUse& use, const LineReference& ref, CheckReport& report) {
    const std::string value = use.info->ini.ReadString(ref.section, kOpcodesKey, "");
    int32_t number;
    const std::string owner = std::string(use.owner) + " " + Quote(ref.section);
    if (!ParseIniInteger(value, number))
        report.Warn(use.infoFile, ref.iniLine,
                    "Opcodes " + Quote(value) + " is not a line number: the " + owner + " lists no opcodes");
    else if (number != -1 && number < 1)
        report.Warn(use.infoFile, ref.iniLine,
                    "Opcodes " + std::to_string(number) + " is below 1: the " + owner +
                        " reads line 1 of " + use.name);
    else if (use.lines->lines && number > 0 &&
             static_cast<std::size_t>(number) > use.lines->lines->LineCount())
        report.Warn(use.infoFile, ref.iniLine,
                    "Opcodes " + std::to_string(number) + " is past the end of " + use.name + " (" +
                        std::to_string(use.lines->lines->LineCount()) + " lines): the " + owner +
                        " lists opcode 0000 only");
}

// The numbers of one line the program reads.
void CheckLineText(const LineFileUse& use, int32_t line, CheckReport& report) {
    const std::string_view text = use.lines->lines->LineText(line);
    if (text.empty()) {
        report.Warn(use.linesFile, line, "the line is empty: it is read as the single opcode 0000");
        return;
    }
    std::size_t groups = 0, bad = 0, above = 0;
    std::string firstBad, aboveList;
    ForEachOpcodeGroup(text, [&](std::string_view digits, std::size_t offset) {
        ++groups;
        bool hex = digits.size() == 4;
        for (char ch : digits) hex = hex && IsHexDigit(ch);
        const int32_t number = HexToInt(digits);
        if (!hex && bad++ == 0)
            firstBad = "column " + std::to_string(offset + 1) + ": " + Quote(digits) +
                       " is not four hexadecimal digits; it is read as " + OpcodeKey(number);
        else if (hex && number > kMaxOpcode && above++ < 5)
            aboveList += (above > 1 ? ", " : "") + OpcodeKey(number);
        return true;
    });
    if (bad > 0) report.Fail(use.linesFile, line, firstBad + InAll(bad, "such numbers on the line"));
    if (above > 0)
        report.Warn(use.linesFile, line,
                    "numbers above 0AF0 are left out: " + aboveList + (above > 5 ? ", ..." : "") +
                        InAll(above, "numbers"));
    if (groups > use.maxNumbers)
        report.Warn(use.linesFile, line,
                    "the line holds " + std::to_string(groups) + " numbers; only the first " +
                        std::to_string(use.maxNumbers) + " are read");
}

}  // namespace

void CheckLineReferences(const CheckedFolder& folder, CheckReport& report) {
    for (const LineFileUse& use : folder.LineFileUses()) {
        // A repeated type section repeats the reference of the first: tell it once.
        std::set<int> told;
        for (const LineReference& ref : *use.refs)
            if (ref.iniLine != 0 && told.insert(ref.iniLine).second) CheckReference(use, ref, report);
    }
}

void CheckLineEnds(const CheckedFolder& folder, CheckReport& report) {
    for (const LineFileUse& use : folder.LineFileUses()) {
        if (!use.lines->lines) continue;
        const std::string_view bytes = use.lines->file.bytes;
        const std::size_t eof = bytes.find('\x1A');
        const std::string_view text = bytes.substr(0, eof);
        int line = 0, firstLf = 0, firstCr = 0;
        std::size_t lfAlone = 0, crAlone = 0;
        for (std::size_t pos = 0; pos < text.size();) {
            ++line;
            const std::size_t end = FindLineEnd(text, pos);
            if (end == std::string_view::npos) break;
            const std::size_t next = SkipLineEnd(text, end);
            if (text[end] == '\n' && lfAlone++ == 0) firstLf = line;
            if (text[end] == '\r' && next == end + 1 && crAlone++ == 0) firstCr = line;
            pos = next;
        }
        if (lfAlone > 0)
            report.Warn(use.linesFile, firstLf, "the line ends with LF alone, not CR LF" + InAll(lfAlone, "lines"));
        if (crAlone > 0)
            report.Warn(use.linesFile, firstCr, "the line ends with CR alone, not CR LF" + InAll(crAlone, "lines"));
        if (eof != std::string_view::npos && eof + 1 < bytes.size()) {
            const bool atLineStart = text.empty() || text.back() == '\r' || text.back() == '\n';
            const auto at = static_cast<int>(use.lines->lines->LineCount()) + (atLineStart ? 1 : 0);
            report.Warn(use.linesFile, at, "a byte 1A ends the file here: what follows it is never read");
        }
    }
}

void CheckNamedLines(const CheckedFolder& folder, CheckReport& report) {
    for (const LineFileUse& use : folder.LineFileUses()) {
        if (!use.lines->lines) continue;
        const std::vector<bool> named = NamedLines(use);
        for (std::size_t line = 1; line < named.size(); ++line)
            if (named[line]) CheckLineText(use, static_cast<int32_t>(line), report);
    }
}

void CheckUnusedLines(const CheckedFolder& folder, CheckReport& report) {
    for (const LineFileUse& use : folder.LineFileUses()) {
        if (!use.lines->lines || !use.ownersKnown) continue;
        const std::vector<bool> named = NamedLines(use);
        for (std::size_t line = 1; line < named.size(); ++line)
            if (!named[line])
                report.Warn(use.linesFile, static_cast<int>(line),
                            std::string("no ") + use.owner + " names this line; it is never read");
    }
}
