#pragma once
// Where things stand in an INI file: the entries of ListIniEntries, and for each name
// the section and the keys a lookup finds (the first section of a name, the first key of
// a name within it), so that a finding can point at the line the program reads.

#include <string_view>
#include <unordered_map>
#include <vector>

#include "opcodes/ini_entries.h"

class IniIndex {
  public:
    IniIndex() = default;
    // `bytes` must outlive the index: the entries point into it.
    explicit IniIndex(std::string_view bytes);

    const std::vector<IniEntry>& Entries() const { return entries_; }

    // The index of the section entry a lookup of `section` finds, or -1.
    int FindSection(std::string_view section) const;
    // The key entry a lookup of `section`/`key` finds, or null.
    const IniEntry* FindKey(std::string_view section, std::string_view key) const;
    // The line of that entry, or 0.
    int KeyLine(std::string_view section, std::string_view key) const;
    int SectionLine(std::string_view section) const;

    // The key entries under the section entry at `sectionEntry`, in file order, repeated
    // keys included; empty for a section whose name stood before (it is never read).
    std::vector<const IniEntry*> KeysOf(int sectionEntry) const;
    // True when the section entry at `sectionEntry` is the first of its name.
    bool IsCounted(int sectionEntry) const;

  private:
    using NameMap = std::unordered_map<std::string_view, int, IniNameHash, IniNameEqual>;

    std::vector<IniEntry> entries_;
    NameMap sections_;                      // name -> entry of its first section
    std::unordered_map<int, NameMap> keys_; // counted section entry -> key -> entry
};
