#include "opcodes/ini_file.h"
#include "tools/klv-check/checks.h"

namespace {

bool IsComment(const IniEntry& entry) {
    const std::string_view text = entry.kind == IniEntry::Kind::Other ? entry.value : entry.name;
    return !text.empty() && text.front() == ';';
}

void CheckKeys(const IniIndex& index, int sectionEntry, DataFile file, CheckReport& report) {
    const std::string_view section = index.Entries()[static_cast<std::size_t>(sectionEntry)].name;
    for (const IniEntry* key : index.KeysOf(sectionEntry)) {
        if (IsComment(*key)) continue;
        const IniEntry* first = index.FindKey(section, key->name);
        if (first != key)
            report.Warn(file, key->line,
                        "key " + Quote(key->name) + " repeats line " + std::to_string(first->line) +
                            " in section " + Quote(section) + ": only the first one is read");
        else if (UnquoteIniValue(key->value).size() > kIniMaxValueLength)
            report.Warn(file, key->line,
                        "the value of " + Quote(key->name) + " is longer than " +
                            std::to_string(kIniMaxValueLength) + " characters and is cut there");
    }
}

void CheckLayout(const IniSource& source, DataFile file, CheckReport& report) {
    const IniIndex& index = source.index;
    const std::vector<IniEntry>& entries = index.Entries();
    // A section that a byte-order mark hides is told with the mark, and its keys too.
    bool inSection = !source.SectionBehindMark().empty();
    for (int i = 0; i < static_cast<int>(entries.size()); ++i) {
        const IniEntry& entry = entries[static_cast<std::size_t>(i)];
        if (IsComment(entry)) continue;
        switch (entry.kind) {
        case IniEntry::Kind::Other:
            if (i == 0 && entry.value.starts_with(kUtf8ByteOrderMark)) break;  // told with the mark
            report.Warn(file, entry.line,
                        "line " + Quote(entry.value) +
                            " is neither a [section] nor a key=value line; it is never read");
            break;
        case IniEntry::Kind::Key:
            if (!inSection)
                report.Warn(file, entry.line,
                            "key " + Quote(entry.name) + " stands before any section; it is never read");
            break;
        case IniEntry::Kind::Section:
            inSection = true;
            if (index.IsCounted(i))
                CheckKeys(index, i, file, report);
            else
                report.Warn(file, entry.line,
                            "section " + Quote(entry.name) + " repeats line " +
                                std::to_string(index.SectionLine(entry.name)) +
                                ": only the first one is read");
            break;
        }
    }
}

}  // namespace

void CheckIniLayout(const CheckedFolder& folder, CheckReport& report) {
    CheckLayout(folder.opcodes, DataFile::Opcodes, report);
    CheckLayout(folder.translation, DataFile::Translation, report);
    CheckLayout(folder.typeInfo, DataFile::TypeInfo, report);
    CheckLayout(folder.nodeInfo, DataFile::NodeInfo, report);
    CheckLayout(folder.sites, DataFile::Sites, report);
}
