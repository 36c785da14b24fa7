#include "tools/klv-check/checks.h"

// An opcode that no type (or no category) lists is told with the cause when it stands on
// text the program never reads: a line nothing names, or what follows an early 1A byte.
// Only the opcodes that stand nowhere are told one by one.

namespace {

using OpcodeSet = std::bitset<kOpcodeCount>;

// The opcodes that the lines named by `use` give their types or categories, as the
// program reads them.
OpcodeSet Listed(const LineFileUse& use) {
    OpcodeSet listed;
    for (const LineReference& ref : *use.refs) {
        if (ref.number == -1) continue;
        for (int32_t n : use.lines->lines->ReadLine(ref.number, use.maxNumbers))
            if (TOpcodesList::IsOpcodeNumber(n)) listed.set(static_cast<std::size_t>(n));
    }
    return listed;
}

// The opcodes of no type (or category): none when nothing names a line that can be read,
// as then the file's own finding says it all.
OpcodeSet Unlisted(const CheckedFolder& folder, const LineFileUse& use) {
    for (const LineReference& ref : *use.refs)
        if (ref.number != -1) return folder.defined & ~Listed(use);
    return {};
}

// Moves the opcodes of `line` that are still in `unlisted` to the list of those it would
// have given.
void Take(const OpcodeLineFile& lines, int32_t line, const LineFileUse& use, OpcodeSet& unlisted,
          ShortList& taken) {
    for (int32_t n : lines.ReadLine(line, use.maxNumbers)) {
        if (!TOpcodesList::IsOpcodeNumber(n) || !unlisted.test(static_cast<std::size_t>(n))) continue;
        unlisted.reset(static_cast<std::size_t>(n));
        taken.Add(OpcodeKey(n));
    }
}

std::string ListedByNone(const LineFileUse& use, const ShortList& opcodes) {
    if (opcodes.Empty()) return {};
    return (opcodes.Count() == 1 ? "; opcode " : "; opcodes ") + opcodes.Text() +
           (opcodes.Count() == 1 ? " is" : " are") + " listed by no " + use.owner;
}

void CheckHiddenText(const LineFileUse& use, OpcodeSet& unlisted, CheckReport& report) {
    const LineSource& source = *use.lines;
    ShortList owners, opcodes;
    for (const LineReference& ref : *use.refs)
        if (source.HiddenLine(LineRead(ref))) owners.Add(Quote(ref.section));
    for (int32_t line = 1; line <= static_cast<int32_t>(source.hidden->LineCount()); ++line)
        Take(*source.hidden, line, use, unlisted, opcodes);
    report.Warn(use.linesFile, source.hiddenFrom,
                "a byte 1A ends the file here: what follows it is never read" +
                    (owners.Empty() ? std::string()
                                    : "; the lines it hides are named by " + owners.Text() +
                                          ", which list opcode 0000 only") +
                    ListedByNone(use, opcodes));
}

}  // namespace

void CheckUnreadText(const CheckedFolder& folder, CheckReport& report) {
    for (const LineFileUse& use : folder.LineFileUses()) {
        if (!use.lines->lines) continue;
        OpcodeSet unlisted = Unlisted(folder, use);
        if (use.ownersKnown) {
            const std::vector<bool> named = NamedLines(use);
            for (std::size_t line = 1; line < named.size(); ++line) {
                if (named[line]) continue;
                ShortList opcodes;
                Take(*use.lines->lines, static_cast<int32_t>(line), use, unlisted, opcodes);
                report.Warn(use.linesFile, static_cast<int>(line),
                            std::string("no ") + use.owner + " names this line; it is never read" +
                                ListedByNone(use, opcodes));
            }
        }
        if (use.lines->hidden) CheckHiddenText(use, unlisted, report);
        for (int32_t n = 0; n < kOpcodeCount; ++n) {
            if (!unlisted.test(static_cast<std::size_t>(n))) continue;
            const std::string key = OpcodeKey(n);
            report.Warn(DataFile::Opcodes, folder.opcodes.index.KeyLine(kOpcodesSection, key),
                        "opcode " + key + " is listed by no " + use.owner);
        }
    }
}
