#include "tools/klv-check/checks.h"

// An opcode that no type (or no category) lists is told with the cause when it stands on
// text the program never reads: a line nothing names, what follows an early 1A byte, a
// line that a byte-order mark shifts. Those that stand nowhere are told in one finding.

namespace {

using OpcodeSet = std::bitset<kOpcodeCount>;

// The opcodes that the lines named by `use` give their types or categories, as the
// program reads them.
OpcodeSet Listed(const LineFileUse& use) {
    OpcodeSet listed;
    for (const LineReference& ref : *use.refs) {
        if (ref.number == -1)
            continue;
        for (int32_t n : use.lines->lines->ReadLine(ref.number, use.maxNumbers))
            if (TOpcodesList::IsOpcodeNumber(n))
                listed.set(static_cast<std::size_t>(n));
    }
    return listed;
}

// The opcodes of no type (or category): none when nothing names a line that can be read,
// as then the file's own finding says it all.
OpcodeSet Unlisted(const CheckedFolder& folder, const LineFileUse& use) {
    for (const LineReference& ref : *use.refs)
        if (ref.number != -1)
            return folder.defined & ~Listed(use);
    return {};
}

// Moves the opcodes among `numbers` that are still in `unlisted` to the list of those
// that text would have given.
void Take(const std::vector<int32_t>& numbers, OpcodeSet& unlisted, ShortList& taken) {
    for (int32_t n : numbers) {
        if (!TOpcodesList::IsOpcodeNumber(n) || !unlisted.test(static_cast<std::size_t>(n)))
            continue;
        unlisted.reset(static_cast<std::size_t>(n));
        taken.Add(OpcodeKey(n));
    }
}

std::string ListedByNone(const LineFileUse& use, const ShortList& opcodes) {
    return (opcodes.Count() == 1 ? "opcode " : "opcodes ") + opcodes.Text() +
           (opcodes.Count() == 1 ? " is" : " are") + " listed by no " + use.owner;
}

// The same after a cause, or nothing when it leaves no opcode out.
std::string AlsoListedByNone(const LineFileUse& use, const ShortList& opcodes) {
    return opcodes.Empty() ? std::string() : "; " + ListedByNone(use, opcodes);
}

void CheckHiddenText(const LineFileUse& use, OpcodeSet& unlisted, CheckReport& report) {
    const LineSource& source = *use.lines;
    ShortList owners, opcodes;
    for (const LineReference& ref : *use.refs)
        if (source.HiddenLine(LineRead(ref)))
            owners.Add(Quote(ref.section));
    for (int32_t line = 1; line <= static_cast<int32_t>(source.hidden->LineCount()); ++line)
        Take(source.hidden->ReadLine(line, use.maxNumbers), unlisted, opcodes);
    report.Warn(use.linesFile, source.hiddenFrom,
                "a byte 1A ends the file here: what follows it is never read" +
                    (owners.Empty() ? std::string()
                                    : "; the lines it hides are named by " + owners.Text() +
                                          ", which list opcode 0000 only") +
                    AlsoListedByNone(use, opcodes));
}

// A byte-order mark shifts the numbers of line 1 by three characters.
void CheckUtf8ByteOrderMarkedLine(const LineFileUse& use, OpcodeSet& unlisted,
                                  CheckReport& report) {
    const std::string_view text = use.lines->lines->LineText(1);
    if (!text.starts_with(kUtf8ByteOrderMark))
        return;
    ShortList opcodes;
    Take(ParseOpcodeLine(text.substr(kUtf8ByteOrderMark.size()), use.maxNumbers), unlisted,
         opcodes);
    if (!opcodes.Empty())
        report.Warn(use.linesFile, 1,
                    "the byte-order mark shifts the numbers of this line" +
                        AlsoListedByNone(use, opcodes));
}

} // namespace

void CheckUnreadText(const CheckedFolder& folder, CheckReport& report) {
    for (const LineFileUse& use : folder.LineFileUses()) {
        // A UTF-16 file gives nothing as written: its own finding says so.
        if (!use.lines->lines || folder.Utf16(use.linesFile))
            continue;
        OpcodeSet unlisted = Unlisted(folder, use);
        CheckUtf8ByteOrderMarkedLine(use, unlisted, report);
        if (use.ownersKnown) {
            const std::vector<bool> named = NamedLines(use);
            for (std::size_t line = 1; line < named.size(); ++line) {
                if (named[line])
                    continue;
                ShortList opcodes;
                Take(use.lines->lines->ReadLine(static_cast<int32_t>(line), use.maxNumbers),
                     unlisted, opcodes);
                report.Warn(use.linesFile, static_cast<int>(line),
                            std::string("no ") + use.owner + " names this line; it is never read" +
                                AlsoListedByNone(use, opcodes));
            }
        }
        if (use.lines->hidden)
            CheckHiddenText(use, unlisted, report);
        // The rest stand nowhere: one finding, at the first of them.
        ShortList rest;
        int firstLine = 0;
        for (int32_t n = 0; n < kOpcodeCount; ++n) {
            if (!unlisted.test(static_cast<std::size_t>(n)))
                continue;
            if (rest.Empty())
                firstLine = folder.opcodes.index.KeyLine(kOpcodesSection, OpcodeKey(n));
            rest.Add(OpcodeKey(n));
        }
        if (!rest.Empty())
            report.Warn(DataFile::Opcodes, firstLine, ListedByNone(use, rest));
    }
}
