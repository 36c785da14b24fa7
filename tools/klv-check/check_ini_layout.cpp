#include "opcodes/ini_file.h"
#include "opcodes/opcode.h"
#include "tools/klv-check/checks.h"

namespace {

bool IsComment(const IniEntry& entry) {
    const std::string_view text = entry.kind == IniEntry::Kind::Other ? entry.value : entry.name;
    return !text.empty() && text.front() == ';';
}

// What the program shows of a value that a NUL byte cuts short, or empty when the part
// it stands in is not shown: an opcode's text follows the first comma of its value.
std::string ShownBeforeNul(DataFile file, std::string_view section, const IniEntry& key,
                           std::size_t nul) {
    const std::string_view value = IniValue(key.value);
    if (file != DataFile::Opcodes && file != DataFile::Translation)
        return IsReadKey(file, key.name) ? Quote(value.substr(0, nul)) : std::string();
    const std::size_t comma = value.find(',');
    if (!EqualsIgnoreCaseCp1251(section, kOpcodesSection) || comma == std::string_view::npos ||
        comma > nul)
        return {};
    const std::string_view text = value.substr(comma + 1, nul - comma - 1);
    return Quote(file == DataFile::Opcodes ? std::string(key.name) + ": " + std::string(text)
                                           : std::string(text));
}

void CheckNul(const IniSource& source, DataFile file, std::string_view section, const IniEntry& key,
              CheckReport& report) {
    const std::size_t nul = IniValue(key.value).find('\0');
    if (nul == std::string_view::npos)
        return;
    const std::string shown = ShownBeforeNul(file, section, key, nul);
    if (shown.empty())
        return;
    // The column within the line: back from the key to the line's start.
    const char* const bytes = source.file.bytes.data();
    const char* start = key.name.data();
    while (start != bytes && start[-1] != '\n' && start[-1] != '\r')
        --start;
    const std::size_t column =
        static_cast<std::size_t>(IniValue(key.value).data() - start) + nul + 1;
    report.Warn(file, key.line,
                "a NUL byte at column " + std::to_string(column) + " ends the value of " +
                    Quote(key.name) + " for KLV: it shows " + shown);
}

// `anyNul`: whether the file holds a NUL byte at all (rarely), so that values are searched.
void CheckKeys(const IniSource& source, int sectionEntry, DataFile file, bool anyNul,
               CheckReport& report) {
    const IniIndex& index = source.index;
    const std::string_view section = index.Entries()[static_cast<std::size_t>(sectionEntry)].name;
    for (const IniEntry* key : index.KeysOf(sectionEntry)) {
        if (IsComment(*key))
            continue;
        const IniEntry* first = index.FindKey(section, key->name);
        if (first != key)
            report.Warn(file, key->line,
                        "key " + Quote(key->name) + " repeats line " + std::to_string(first->line) +
                            " in section " + Quote(section) + ": only the first one is read");
        else if (UnquoteIniValue(key->value).size() > kIniMaxValueLength)
            report.Warn(file, key->line,
                        "the value of " + Quote(key->name) + " is longer than " +
                            std::to_string(kIniMaxValueLength) + " characters and is cut there");
        else if (anyNul)
            CheckNul(source, file, section, *key, report);
    }
}

// A type section that repeats one before it is a type again (every section of
// TypeInfo.ini is one), read with the keys of the first; elsewhere it is never read.
std::string RepeatedSection(const IniSource& source, DataFile file, const IniEntry& entry,
                            int sectionNumber) {
    const std::string_view name = entry.name;
    const std::string repeats = "section " + Quote(name) + " repeats line " +
                                std::to_string(source.index.SectionLine(name));
    if (file != DataFile::TypeInfo)
        return repeats + ": only the first one is read";
    if (sectionNumber >= kMaxTypes)
        return repeats + ": its keys are never read";
    const std::string caption = source.ini.ReadString(name, "Caption", kMissingTypeCaption);
    std::string message = repeats + ": KLV makes it one more type with the keys of line " +
                          std::to_string(source.index.SectionLine(name)) +
                          ", so the type list shows " + Quote(caption) + " twice";
    if (source.ini.ReadInteger(name, kOpcodesKey, -1) != -1)
        message += " and the opcodes of its line show " +
                   Quote(source.ini.ReadString(name, "ShortCaption", kMissingTypeCaption)) +
                   " twice in the type column";
    return message + "; the keys under it are never read";
}

void CheckLayout(const IniSource& source, DataFile file, CheckReport& report) {
    const IniIndex& index = source.index;
    const std::vector<IniEntry>& entries = index.Entries();
    // A section that a byte-order mark hides is told with the mark, and its keys too.
    bool inSection = !source.SectionBehindMark().empty();
    int sections = 0;
    const bool anyNul = source.file.bytes.find('\0') != std::string::npos;
    for (int i = 0; i < static_cast<int>(entries.size()); ++i) {
        const IniEntry& entry = entries[static_cast<std::size_t>(i)];
        if (IsComment(entry))
            continue;
        switch (entry.kind) {
        case IniEntry::Kind::Other:
            if (i == 0 && entry.value.starts_with(kUtf8ByteOrderMark))
                break; // told with the mark
            report.Warn(file, entry.line,
                        "line " + Quote(entry.value) +
                            " is neither a [section] nor a key=value line; it is never read");
            break;
        case IniEntry::Kind::Key:
            if (!inSection)
                report.Warn(file, entry.line,
                            "key " + Quote(entry.name) +
                                " stands before any section; it is never read");
            break;
        case IniEntry::Kind::Section:
            inSection = true;
            if (index.IsCounted(i))
                CheckKeys(source, i, file, anyNul, report);
            else
                report.Warn(file, entry.line, RepeatedSection(source, file, entry, sections));
            ++sections;
            break;
        }
    }
}

} // namespace

void CheckIniLayout(const CheckedFolder& folder, CheckReport& report) {
    CheckLayout(folder.opcodes, DataFile::Opcodes, report);
    CheckLayout(folder.translation, DataFile::Translation, report);
    CheckLayout(folder.typeInfo, DataFile::TypeInfo, report);
    CheckLayout(folder.nodeInfo, DataFile::NodeInfo, report);
    CheckLayout(folder.sites, DataFile::Sites, report);
}
