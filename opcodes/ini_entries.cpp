#include "opcodes/ini_entries.h"

std::vector<IniEntry> ListIniEntries(std::string_view bytes) {
    std::vector<IniEntry> entries;
    ForEachIniEntry(bytes, [&](const IniEntry& entry) { entries.push_back(entry); });
    return entries;
}
