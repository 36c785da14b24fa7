#include "opcodes/lookup_sites.h"

#include <array>

namespace {

constexpr std::array<LookupSiteInfo, 3> kSites{{
    {LookupSite::OpcodeBase, "BrowseOpcodeBase", "NOpcodeBase", "OpcodeBase", "Ctrl+F1",
     "https://opcode-base.org", "/?search=", "&show=all"},
    {LookupSite::Wiki, "BrowseWiki", "NWiki", "Wiki", "Ctrl+F3", "https://script-wiki.org",
     "/index.php?title=", ""},
    {LookupSite::IniEditor, "BrowseIniEditor", "NIniEditor", "IniEditor", "Ctrl+F2",
     "https://ini-editor.org", "/editor/editor.php?opcode=", ""},
}};

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

}  // namespace

std::span<const LookupSiteInfo> LookupSites() { return kSites; }

const LookupSiteInfo& LookupSiteOf(LookupSite site) {
    for (const auto& info : kSites)
        if (info.site == site) return info;
    return kSites.front();  // unreachable: every enumerator has its row
}

std::string LookupCaption(const LookupSiteInfo& info) {
    return "&" + std::string(info.shortName);
}

std::string LookupHint(const LookupSiteInfo& info) {
    return "Посмотреть описание опкода на сайте " + std::string(info.shortName);
}

std::string LookupAddress(LookupSite site, std::string_view opcodeText) {
    const LookupSiteInfo& info = LookupSiteOf(site);
    std::string address;
    address.append(info.baseAddress).append(info.pathPrefix);
    AppendPercentEncoded(address, opcodeText);
    address.append(info.pathSuffix);
    return address;
}

std::string OpcodeTextOfCaption(std::string_view caption) {
    return std::string(caption.substr(0, 4));
}
