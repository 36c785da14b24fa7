#include "opcodes/lookup_sites.h"

#include "opcodes/cp1251.h"
#include "opcodes/ini_file.h"

namespace {

constexpr std::array<LookupSiteInfo, 3> kSites{{
    {LookupSite::OpcodeBase, "BrowseOpcodeBase", "NOpcodeBase", "OpcodeBase", "OpcodeBase",
     "Ctrl+F1", "https://opcode-base.org", "/?search=", "&show=all"},
    {LookupSite::Wiki, "BrowseWiki", "NWiki", "Wiki", "Wiki", "Ctrl+F3", "https://script-wiki.org",
     "/index.php?title=", ""},
    {LookupSite::IniEditor, "BrowseIniEditor", "NIniEditor", "IniEditor", "IniEditor", "Ctrl+F2",
     "https://ini-editor.org", "/editor/editor.php?opcode=", ""},
}};

// The table is indexed by the enumeration.
static_assert(kSites[0].site == LookupSite::OpcodeBase && kSites[1].site == LookupSite::Wiki &&
              kSites[2].site == LookupSite::IniEditor);

std::size_t IndexOf(LookupSite site) {
    return static_cast<std::size_t>(site);
}

bool IsUnreserved(unsigned char ch) {
    return (ch >= 'A' && ch <= 'Z') || (ch >= 'a' && ch <= 'z') || (ch >= '0' && ch <= '9') ||
           ch == '-' || ch == '.' || ch == '_' || ch == '~';
}

void AppendPercentEncoded(std::string& out, std::string_view text) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    for (const char ch : text) {
        const auto byte = static_cast<unsigned char>(ch);
        if (IsUnreserved(byte)) {
            out += ch;
        } else {
            out += '%';
            out += kHex[byte >> 4];
            out += kHex[byte & 15];
        }
    }
}

bool StartsWithIgnoringCase(std::string_view text, std::string_view prefix) {
    return text.size() >= prefix.size() &&
           EqualsIgnoreCaseCp1251(text.substr(0, prefix.size()), prefix);
}

} // namespace

std::span<const LookupSiteInfo> LookupSites() {
    return kSites;
}

const LookupSiteInfo& LookupSiteOf(LookupSite site) {
    return kSites[IndexOf(site)];
}

bool IsWebAddress(std::string_view address) {
    std::string_view host;
    if (StartsWithIgnoringCase(address, "https://"))
        host = address.substr(8);
    else if (StartsWithIgnoringCase(address, "http://"))
        host = address.substr(7);
    else
        return false;
    if (host.empty() || host.front() == '/')
        return false;
    for (const char ch : host)
        if (static_cast<unsigned char>(ch) <= ' ' || ch == '\x7F')
            return false;
    return true;
}

LookupSiteSettings::LookupSiteSettings() {
    for (const LookupSiteInfo& info : kSites) {
        names_[IndexOf(info.site)] = info.shortName;
        addresses_[IndexOf(info.site)] = info.baseAddress;
    }
}

LookupSiteSettings LookupSiteSettings::Read(const std::string& fileName) {
    LookupSiteSettings settings;
    std::vector<std::string> sections;
    for (const LookupSiteInfo& info : kSites)
        sections.emplace_back(info.section);
    // The sites' own sections only: whatever else the file holds is not read.
    const TIniFile ini(fileName, std::move(sections));
    for (const LookupSiteInfo& info : kSites) {
        const std::size_t i = IndexOf(info.site);
        const std::string name = ini.ReadString(info.section, kSiteCaptionKey, "");
        if (!name.empty())
            settings.names_[i] = name;
        std::string address = ini.ReadString(info.section, kSiteAddressKey, "");
        // "https://wiki.example/" would give the paths a doubled slash.
        if (!address.empty() && address.back() == '/')
            address.pop_back();
        if (IsWebAddress(address))
            settings.addresses_[i] = address;
    }
    return settings;
}

const std::string& LookupSiteSettings::ShortName(LookupSite site) const {
    return names_[IndexOf(site)];
}

const std::string& LookupSiteSettings::BaseAddress(LookupSite site) const {
    return addresses_[IndexOf(site)];
}

std::string LookupSiteSettings::Caption(LookupSite site) const {
    std::string caption = "&";
    for (const char ch : ShortName(site)) {
        if (ch == '&')
            caption += '&'; // shown as it stands, not taken as a mnemonic
        caption += ch;
    }
    return caption;
}

std::string LookupSiteSettings::Address(LookupSite site, std::string_view opcodeText) const {
    const LookupSiteInfo& info = LookupSiteOf(site);
    std::string address = BaseAddress(site);
    address.append(info.pathPrefix);
    AppendPercentEncoded(address, opcodeText);
    address.append(info.pathSuffix);
    return address;
}

std::string OpcodeTextOfCaption(std::string_view caption) {
    return std::string(caption.substr(0, 4));
}
