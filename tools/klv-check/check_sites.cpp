#include "opcodes/cp1251.h"
#include "opcodes/lookup_sites.h"
#include "tools/klv-check/checks.h"

namespace {

const LookupSiteInfo* SiteOfSection(std::string_view section) {
    for (const LookupSiteInfo& info : LookupSites())
        if (EqualsIgnoreCaseCp1251(section, info.section))
            return &info;
    return nullptr;
}

std::string KnownSections() {
    std::string names;
    for (const LookupSiteInfo& info : LookupSites())
        names += (names.empty() ? "" : ", ") + std::string(info.section);
    return names;
}

void CheckSiteKeys(const IniIndex& index, int sectionEntry, const LookupSiteInfo& site,
                   CheckReport& report) {
    for (const IniEntry* key : index.KeysOf(sectionEntry)) {
        if (key->name.empty() || key->name.front() == ';')
            continue; // a comment
        // Other keys are told with those of the other files (CheckUnreadKeys).
        const bool caption = EqualsIgnoreCaseCp1251(key->name, kSiteCaptionKey);
        const bool address = EqualsIgnoreCaseCp1251(key->name, kSiteAddressKey);
        const std::string_view value = UnquoteIniValue(key->value);
        if (caption && value.empty() && index.FindKey(site.section, kSiteCaptionKey) == key)
            report.Warn(DataFile::Sites, key->line,
                        "Caption is empty: the menu shows the built-in name " +
                            Quote(site.shortName));
        if (address && index.FindKey(site.section, kSiteAddressKey) == key && !IsWebAddress(value))
            report.Warn(
                DataFile::Sites, key->line,
                "Address " + Quote(value) +
                    " is not an http:// or https:// address: the look-up opens the built-in " +
                    std::string(site.baseAddress) + " instead");
    }
}

} // namespace

bool IsLookupSiteSection(std::string_view section) {
    return SiteOfSection(section) != nullptr;
}

void CheckSites(const CheckedFolder& folder, CheckReport& report) {
    const IniIndex& index = folder.sites.index;
    const std::vector<IniEntry>& entries = index.Entries();
    for (int i = 0; i < static_cast<int>(entries.size()); ++i) {
        const IniEntry& entry = entries[static_cast<std::size_t>(i)];
        if (entry.kind != IniEntry::Kind::Section || !index.IsCounted(i))
            continue;
        if (const LookupSiteInfo* site = SiteOfSection(entry.name))
            CheckSiteKeys(index, i, *site, report);
        else
            report.Warn(DataFile::Sites, entry.line,
                        "section " + Quote(entry.name) + " is no look-up site (" + KnownSections() +
                            "); it is never read");
    }
}
