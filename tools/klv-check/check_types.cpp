#include "tools/klv-check/checks.h"

void CheckTypeCount(const CheckedFolder& folder, CheckReport& report) {
    const std::size_t count = folder.typeSections.size();
    if (count <= static_cast<std::size_t>(kMaxTypes)) return;
    // Point at the first section past the limit.
    int seen = 0;
    for (const IniEntry& entry : folder.typeInfo.index.Entries()) {
        if (entry.kind != IniEntry::Kind::Section || ++seen <= kMaxTypes) continue;
        report.Warn(DataFile::TypeInfo, entry.line,
                    "type " + Quote(entry.name) + " is type number " + std::to_string(kMaxTypes + 1) +
                        " of " + std::to_string(count) + ", but an opcode carries at most " +
                        std::to_string(kMaxTypes) + " types: this one and those after it list no opcodes");
        return;
    }
}

void CheckTypeCaptions(const CheckedFolder& folder, CheckReport& report) {
    const IniIndex& index = folder.typeInfo.index;
    const std::vector<IniEntry>& entries = index.Entries();
    for (int i = 0; i < static_cast<int>(entries.size()); ++i) {
        const IniEntry& entry = entries[static_cast<std::size_t>(i)];
        if (entry.kind != IniEntry::Kind::Section || !index.IsCounted(i)) continue;
        if (!folder.typeInfo.ini.HasKey(entry.name, "Caption"))
            report.Warn(DataFile::TypeInfo, entry.line,
                        "type " + Quote(entry.name) +
                            " has no Caption: the type list shows '" + Printable(kMissingTypeCaption) + "'");
        if (!folder.typeInfo.ini.HasKey(entry.name, "ShortCaption"))
            report.Warn(DataFile::TypeInfo, entry.line,
                        "type " + Quote(entry.name) +
                            " has no ShortCaption: the opcode list's type column shows '" +
                            Printable(kMissingTypeCaption) + "'");
    }
}
