#include <algorithm>

#include "opcodes/categories.h"
#include "tools/klv-check/checks.h"

// The keys a section is read for: a key that is none of them is never read, and when it
// is close to one ("Expaned"), the report names that one and what its absence does.

namespace {

struct KnownKey {
    const char* name;
    std::string without; // what the program does when the section lacks it
};

struct SectionKeys {
    DataFile file;
    const char* owner; // "a category has Caption, ..."
    std::vector<KnownKey> keys;
};

const std::vector<SectionKeys>& KnownSectionKeys() {
    static const std::vector<SectionKeys> known{
        {DataFile::TypeInfo,
         "a type",
         {{"Caption", "the type list shows '" + Printable(kMissingTypeCaption) + "'"},
          {"ShortCaption",
           "the opcode list's type column shows '" + Printable(kMissingTypeCaption) + "'"},
          {"Opcodes", "the type lists no opcodes"}}},
        {DataFile::NodeInfo,
         "a category",
         {{"Caption", "the category shows " + Quote(kMissingNodeCaption)},
          {"Note", "the category has no note"},
          {"Opcodes", "the category lists no opcodes"},
          {"Expanded", "the category starts collapsed"}}},
        {DataFile::Sites,
         "a site",
         {{"Caption", "the menu shows the built-in name"},
          {"Address", "the look-up opens the built-in address"}}},
    };
    return known;
}

const SectionKeys* KeysOfFile(DataFile file) {
    for (const SectionKeys& keys : KnownSectionKeys())
        if (keys.file == file)
            return &keys;
    return nullptr;
}

// Edits (a letter added, dropped, changed, or two swapped) between two names, letter
// case aside.
std::size_t Distance(std::string_view a, std::string_view b) {
    std::vector<std::vector<std::size_t>> d(a.size() + 1, std::vector<std::size_t>(b.size() + 1));
    for (std::size_t i = 0; i <= a.size(); ++i)
        d[i][0] = i;
    for (std::size_t j = 0; j <= b.size(); ++j)
        d[0][j] = j;
    for (std::size_t i = 1; i <= a.size(); ++i)
        for (std::size_t j = 1; j <= b.size(); ++j) {
            const bool same = FoldCaseCp1251(static_cast<unsigned char>(a[i - 1])) ==
                              FoldCaseCp1251(static_cast<unsigned char>(b[j - 1]));
            d[i][j] =
                std::min({d[i - 1][j] + 1, d[i][j - 1] + 1, d[i - 1][j - 1] + (same ? 0 : 1)});
            if (i > 1 && j > 1 && a[i - 1] == b[j - 2] && a[i - 2] == b[j - 1])
                d[i][j] = std::min(d[i][j], d[i - 2][j - 2] + 1);
        }
    return d[a.size()][b.size()];
}

bool IsComment(std::string_view name) {
    return !name.empty() && name.front() == ';';
}

const KnownKey* Known(const SectionKeys& keys, std::string_view name) {
    for (const KnownKey& key : keys.keys)
        if (EqualsIgnoreCaseCp1251(name, key.name))
            return &key;
    return nullptr;
}

// The known key that `name` misspells, or null.
const KnownKey* Nearest(const SectionKeys& keys, std::string_view name) {
    if (name.size() > 40)
        return nullptr; // nothing near, and not worth the measuring
    const KnownKey* nearest = nullptr;
    std::size_t best = 3; // at most two edits, and fewer than half the name
    for (const KnownKey& key : keys.keys) {
        const std::size_t distance = Distance(name, key.name);
        if (distance < best && 2 * distance < std::string_view(key.name).size())
            nearest = &key, best = distance;
    }
    return nearest;
}

std::string Listing(const SectionKeys& keys) {
    std::string names;
    for (std::size_t i = 0; i < keys.keys.size(); ++i)
        names += (i == 0                      ? ""
                  : i + 1 == keys.keys.size() ? " and "
                                              : ", ") +
                 std::string(keys.keys[i].name);
    return names;
}

} // namespace

bool IsReadKey(DataFile file, std::string_view key) {
    const SectionKeys* keys = KeysOfFile(file);
    return keys != nullptr && Known(*keys, key) != nullptr;
}

const IniEntry* MisspelledKey(const IniIndex& index, int sectionEntry, DataFile file,
                              std::string_view key) {
    const SectionKeys* keys = KeysOfFile(file);
    if (keys == nullptr)
        return nullptr;
    for (const IniEntry* entry : index.KeysOf(sectionEntry)) {
        if (IsComment(entry->name) || Known(*keys, entry->name))
            continue;
        const KnownKey* nearest = Nearest(*keys, entry->name);
        if (nearest && EqualsIgnoreCaseCp1251(nearest->name, key))
            return entry;
    }
    return nullptr;
}

void CheckUnreadKeys(const CheckedFolder& folder, CheckReport& report) {
    for (const SectionKeys& keys : KnownSectionKeys()) {
        const IniIndex& index = folder.Ini(keys.file)->index;
        const std::vector<IniEntry>& entries = index.Entries();
        std::string_view section;
        bool read = false; // whether the keys of the section are looked up
        for (int i = 0; i < static_cast<int>(entries.size()); ++i) {
            const IniEntry& entry = entries[static_cast<std::size_t>(i)];
            if (entry.kind == IniEntry::Kind::Section) {
                // A repeated section, or one that is no look-up site, is told as a whole.
                section = entry.name;
                read = index.IsCounted(i) &&
                       (keys.file != DataFile::Sites || IsLookupSiteSection(section));
                continue;
            }
            if (!read || entry.kind != IniEntry::Kind::Key || IsComment(entry.name) ||
                Known(keys, entry.name))
                continue;
            std::string message = "key " + Quote(entry.name) + " is never read";
            if (const KnownKey* nearest = Nearest(keys, entry.name)) {
                message += " (did you mean " + std::string(nearest->name) + "?)";
                if (!index.FindKey(section, nearest->name))
                    message += ": " + nearest->without;
            } else {
                message += ": " + std::string(keys.owner) + " has " + Listing(keys);
            }
            report.Warn(keys.file, entry.line, message);
        }
    }
}
