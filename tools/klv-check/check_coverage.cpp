#include "tools/klv-check/checks.h"

namespace {

using OpcodeSet = std::bitset<kOpcodeCount>;

// The opcodes that the lines named by `use` give their types or categories, as the
// program reads them; nothing when the line file cannot be read.
OpcodeSet Listed(const LineFileUse& use) {
    OpcodeSet listed;
    if (!use.lines->lines) return listed;
    for (const LineReference& ref : *use.refs) {
        if (ref.number == -1) continue;
        for (int32_t n : use.lines->lines->ReadLine(ref.number, use.maxNumbers))
            if (TOpcodesList::IsOpcodeNumber(n)) listed.set(static_cast<std::size_t>(n));
    }
    return listed;
}

// Whether anything names a line that can be read: otherwise every opcode would be
// reported as unlisted, which the file's own finding already says.
bool CanList(const LineFileUse& use) {
    if (!use.lines->lines) return false;
    for (const LineReference& ref : *use.refs)
        if (ref.number != -1) return true;
    return false;
}

void CheckUnlisted(const CheckedFolder& folder, const LineFileUse& use, CheckReport& report) {
    if (!CanList(use)) return;
    const OpcodeSet unlisted = folder.defined & ~Listed(use);
    for (int32_t n = 0; n < kOpcodeCount; ++n) {
        if (!unlisted.test(static_cast<std::size_t>(n))) continue;
        const std::string key = OpcodeKey(n);
        report.Warn(DataFile::Opcodes, folder.opcodes.index.KeyLine(kOpcodesSection, key),
                    "opcode " + key + " is listed by no " + use.owner);
    }
}

// Listed numbers without a definition show "???"; one finding per line.
void CheckUndefined(const CheckedFolder& folder, const LineFileUse& use, CheckReport& report) {
    if (!use.lines->lines) return;
    std::vector<bool> done(use.lines->lines->LineCount() + 1);
    for (const LineReference& ref : *use.refs) {
        const int32_t line = LineRead(ref);
        if (line < 1 || static_cast<std::size_t>(line) >= done.size() || done[static_cast<std::size_t>(line)])
            continue;
        done[static_cast<std::size_t>(line)] = true;
        std::size_t count = 0;
        std::string list;
        for (int32_t n : use.lines->lines->ReadLine(line, use.maxNumbers)) {
            if (!TOpcodesList::IsOpcodeNumber(n) || folder.defined.test(static_cast<std::size_t>(n)))
                continue;
            if (count++ < 5) list += (count > 1 ? ", " : "") + OpcodeKey(n);
        }
        if (count > 0)
            report.Warn(use.linesFile, line,
                        "opcodes that SASCM.ini does not define show \"???\": " + list +
                            (count > 5 ? ", ... (" + std::to_string(count) + " in all)" : ""));
    }
}

}  // namespace

void CheckCoverage(const CheckedFolder& folder, CheckReport& report) {
    if (folder.defined.none()) return;  // SASCM.ini is missing or empty: told as a whole
    for (const LineFileUse& use : folder.LineFileUses()) {
        CheckUnlisted(folder, use, report);
        CheckUndefined(folder, use, report);
    }
}
