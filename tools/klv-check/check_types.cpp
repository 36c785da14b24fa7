#include "tools/klv-check/checks.h"

void CheckTypeCount(const CheckedFolder& folder, CheckReport& report) {
    const std::size_t count = folder.typeSections.size();
    if (count <= static_cast<std::size_t>(kMaxTypes))
        return;
    // Point at the first section past the limit.
    int seen = 0;
    for (const IniEntry& entry : folder.typeInfo.index.Entries()) {
        if (entry.kind != IniEntry::Kind::Section || ++seen <= kMaxTypes)
            continue;
        const std::size_t after = count - static_cast<std::size_t>(kMaxTypes) - 1;
        report.Warn(DataFile::TypeInfo, entry.line,
                    "type " + Quote(entry.name) + " is type number " +
                        std::to_string(kMaxTypes + 1) + " of " + std::to_string(count) +
                        ", but KLV takes at most " + std::to_string(kMaxTypes) +
                        " types: it leaves this one" +
                        (after > 0 ? " and the " + Counted(after, "type") + " after it" : "") +
                        " out of the type list, and no opcode gets their type");
        return;
    }
}

void CheckTypeCaptions(const CheckedFolder& folder, CheckReport& report) {
    const IniIndex& index = folder.typeInfo.index;
    const std::vector<IniEntry>& entries = index.Entries();
    for (int i = 0; i < static_cast<int>(entries.size()); ++i) {
        const IniEntry& entry = entries[static_cast<std::size_t>(i)];
        if (entry.kind != IniEntry::Kind::Section || !index.IsCounted(i))
            continue;
        const auto lacks = [&](const char* key) {
            return !folder.typeInfo.ini.HasKey(entry.name, key) &&
                   !MisspelledKey(index, i, DataFile::TypeInfo, key); // told at the misspelling
        };
        if (lacks("Caption"))
            report.Warn(DataFile::TypeInfo, entry.line,
                        "type " + Quote(entry.name) + " has no Caption: the type list shows '" +
                            Printable(kMissingTypeCaption) + "'");
        if (lacks("ShortCaption"))
            report.Warn(DataFile::TypeInfo, entry.line,
                        "type " + Quote(entry.name) +
                            " has no ShortCaption: the opcode list's type column shows '" +
                            Printable(kMissingTypeCaption) + "'");
    }
}
