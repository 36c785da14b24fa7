#include <set>

#include "opcodes/ini_file.h"
#include "tools/klv-check/checks.h"

namespace {

std::string InAll(std::size_t count, const char* what) {
    return count > 1 ? " (" + std::to_string(count) + " " + what + " in all)" : "";
}

void CheckReference(const LineFileUse& use, const LineReference& ref, CheckReport& report) {
    const std::string value = use.info->ini.ReadString(ref.section, kOpcodesKey, "");
    int32_t number;
    const std::string owner = std::string(use.owner) + " " + Quote(ref.section);
    if (!ParseIniInteger(value, number))
        report.Warn(use.infoFile, ref.iniLine,
                    "Opcodes " + Quote(value) + " is not a line number: the " + owner +
                        " lists no opcodes");
    else if (number != -1 && number < 1)
        report.Warn(use.infoFile, ref.iniLine,
                    "Opcodes " + std::to_string(number) + " is below 1: the " + owner +
                        " reads line 1 of " + use.name);
    else if (use.lines->lines && number > 0 &&
             static_cast<std::size_t>(number) > use.lines->lines->LineCount() &&
             !use.lines->HiddenLine(number)) // told with the byte that hides it
        report.Warn(use.infoFile, ref.iniLine,
                    "Opcodes " + std::to_string(number) + " is past the end of " + use.name + " (" +
                        Counted(use.lines->lines->LineCount(), "line") + "): the " + owner +
                        " lists opcode 0000 only");
}

// The numbers of one line the program reads.
void CheckLineText(const LineFileUse& use, int32_t line, CheckReport& report) {
    const std::string_view text = use.lines->lines->LineText(line);
    if (text.empty()) {
        report.Warn(use.linesFile, line, "the line is empty: it is read as the single opcode 0000");
        return;
    }
    std::size_t groups = 0;
    ShortList bad, above;
    ForEachOpcodeGroup(text, [&](std::string_view digits, std::size_t offset) {
        ++groups;
        const bool hex = digits.size() == 4 && IsHexDigit(digits[0]) && IsHexDigit(digits[1]) &&
                         IsHexDigit(digits[2]) && IsHexDigit(digits[3]);
        const int32_t number = HexToInt(digits);
        if (!hex)
            bad.Add(Quote(digits) + " (column " + std::to_string(offset + 1) + ") read as " +
                    OpcodeKey(number));
        else if (number > kMaxOpcode)
            above.Add(OpcodeKey(number));
        return true;
    });
    if (!bad.Empty())
        report.Fail(use.linesFile, line,
                    (bad.Count() > 1 ? "numbers that are" : "a number that is") +
                        std::string(" not four hexadecimal digits: ") + bad.Text());
    if (!above.Empty())
        report.Warn(use.linesFile, line, "numbers above 0AF0 are left out: " + above.Text());
    if (groups > use.maxNumbers)
        report.Warn(use.linesFile, line,
                    "the line holds " + std::to_string(groups) + " numbers; only the first " +
                        std::to_string(use.maxNumbers) + " are read");
}

} // namespace

void CheckLineReferences(const CheckedFolder& folder, CheckReport& report) {
    for (const LineFileUse& use : folder.LineFileUses()) {
        // A repeated type section repeats the reference of the first: tell it once.
        std::set<int> told;
        for (const LineReference& ref : *use.refs)
            if (ref.iniLine != 0 && told.insert(ref.iniLine).second)
                CheckReference(use, ref, report);
    }
}

void CheckLineEnds(const CheckedFolder& folder, CheckReport& report) {
    for (const LineFileUse& use : folder.LineFileUses()) {
        if (!use.lines->lines)
            continue;
        const std::string_view bytes = use.lines->file.bytes;
        const std::string_view text = bytes.substr(0, bytes.find('\x1A'));
        int line = 0, firstLf = 0, firstCr = 0;
        std::size_t lfAlone = 0, crAlone = 0;
        for (std::size_t pos = 0; pos < text.size();) {
            ++line;
            const std::size_t end = FindLineEnd(text, pos);
            if (end == std::string_view::npos)
                break;
            const std::size_t next = SkipLineEnd(text, end);
            if (text[end] == '\n' && lfAlone++ == 0)
                firstLf = line;
            if (text[end] == '\r' && next == end + 1 && crAlone++ == 0)
                firstCr = line;
            pos = next;
        }
        if (lfAlone > 0)
            report.Warn(use.linesFile, firstLf,
                        "the line ends with LF alone, not CR LF" + InAll(lfAlone, "lines"));
        if (crAlone > 0)
            report.Warn(use.linesFile, firstCr,
                        "the line ends with CR alone, not CR LF" + InAll(crAlone, "lines"));
    }
}

void CheckNamedLines(const CheckedFolder& folder, CheckReport& report) {
    for (const LineFileUse& use : folder.LineFileUses()) {
        if (!use.lines->lines)
            continue;
        const std::vector<bool> named = NamedLines(use);
        for (std::size_t line = 1; line < named.size(); ++line)
            if (named[line])
                CheckLineText(use, static_cast<int32_t>(line), report);
    }
}
