#include "tools/klv-check/ini_index.h"

IniIndex::IniIndex(std::string_view bytes) : entries_(ListIniEntries(bytes)) {
    NameMap* keys = nullptr; // the keys of the current section when it counts
    for (int i = 0; i < static_cast<int>(entries_.size()); ++i) {
        const IniEntry& entry = entries_[static_cast<std::size_t>(i)];
        if (entry.kind == IniEntry::Kind::Section) {
            keys = sections_.emplace(entry.name, i).second ? &keys_[i] : nullptr;
        } else if (entry.kind == IniEntry::Kind::Key && keys != nullptr) {
            keys->emplace(entry.name, i);
        }
    }
}

int IniIndex::FindSection(std::string_view section) const {
    const auto it = sections_.find(section);
    return it == sections_.end() ? -1 : it->second;
}

const IniEntry* IniIndex::FindKey(std::string_view section, std::string_view key) const {
    const int s = FindSection(section);
    if (s < 0)
        return nullptr;
    const NameMap& keys = keys_.at(s);
    const auto it = keys.find(key);
    return it == keys.end() ? nullptr : &entries_[static_cast<std::size_t>(it->second)];
}

int IniIndex::KeyLine(std::string_view section, std::string_view key) const {
    const IniEntry* entry = FindKey(section, key);
    return entry ? entry->line : 0;
}

int IniIndex::SectionLine(std::string_view section) const {
    const int s = FindSection(section);
    return s < 0 ? 0 : entries_[static_cast<std::size_t>(s)].line;
}

bool IniIndex::IsCounted(int sectionEntry) const {
    return keys_.count(sectionEntry) != 0;
}

std::vector<const IniEntry*> IniIndex::KeysOf(int sectionEntry) const {
    std::vector<const IniEntry*> keys;
    if (!IsCounted(sectionEntry))
        return keys;
    for (std::size_t i = static_cast<std::size_t>(sectionEntry) + 1;
         i < entries_.size() && entries_[i].kind != IniEntry::Kind::Section; ++i)
        if (entries_[i].kind == IniEntry::Kind::Key)
            keys.push_back(&entries_[i]);
    return keys;
}
