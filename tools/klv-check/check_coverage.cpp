#include "tools/klv-check/checks.h"

namespace {

// Listed numbers without a definition show "???"; one finding per line.
void CheckUndefined(const CheckedFolder& folder, const LineFileUse& use, CheckReport& report) {
    if (!use.lines->lines)
        return;
    std::vector<bool> done(use.lines->lines->LineCount() + 1);
    for (const LineReference& ref : *use.refs) {
        const int32_t line = LineRead(ref);
        if (line < 1 || static_cast<std::size_t>(line) >= done.size() ||
            done[static_cast<std::size_t>(line)])
            continue;
        done[static_cast<std::size_t>(line)] = true;
        ShortList undefined;
        for (int32_t n : use.lines->lines->ReadLine(line, use.maxNumbers))
            if (TOpcodesList::IsOpcodeNumber(n) &&
                !folder.defined.test(static_cast<std::size_t>(n)))
                undefined.Add(OpcodeKey(n));
        if (!undefined.Empty())
            report.Warn(use.linesFile, line,
                        "opcodes that SASCM.ini does not define show \"???\": " + undefined.Text());
    }
}

} // namespace

void CheckCoverage(const CheckedFolder& folder, CheckReport& report) {
    if (folder.defined.none())
        return; // SASCM.ini is missing or empty: told as a whole
    for (const LineFileUse& use : folder.LineFileUses())
        CheckUndefined(folder, use, report);
}
