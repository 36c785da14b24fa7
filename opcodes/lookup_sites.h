#pragma once
// The three web sites the current opcode can be looked up on: the actions' names,
// shortcuts and how each site's address is built from the opcode number, in one table;
// the sites' short names and base addresses, which the data folder's INI\Sites.ini may
// set, beside it. Short names, captions and hints are Windows-1251 (they may come from
// the file); the fixed interface texts at the end are UTF-8.

#include <array>
#include <span>
#include <string>
#include <string_view>

enum class LookupSite { OpcodeBase, Wiki, IniEditor };

struct LookupSiteInfo {
    LookupSite site;
    std::string_view actionName;   // the action's object name
    std::string_view menuItemName; // its item in the internet resources submenu
    std::string_view section;      // its section in Sites.ini
    std::string_view shortName;    // the built-in short name (caption and hint)
    std::string_view shortcut;     // portable key sequence text
    std::string_view baseAddress;  // the built-in scheme and host
    std::string_view pathPrefix;   // path and query up to the opcode text
    std::string_view pathSuffix;   // whatever follows the opcode text
};

// All three, in the submenu's order (which is not their shortcuts' order).
std::span<const LookupSiteInfo> LookupSites();
const LookupSiteInfo& LookupSiteOf(LookupSite site);

// The keys of a site's section in Sites.ini.
inline constexpr std::string_view kSiteCaptionKey = "Caption";
inline constexpr std::string_view kSiteAddressKey = "Address";

// True for an address the look-up may open: "http://" or "https://" (in any case) and a
// host, without blanks or control characters. Anything else (a "file:" path, a program,
// a word) is never handed to the desktop.
bool IsWebAddress(std::string_view address);

// The sites' short names and base addresses in use.
class LookupSiteSettings {
  public:
    // The built-in ones.
    LookupSiteSettings();
    // Those of an INI file with the sections [OpcodeBase], [Wiki] and [IniEditor], keys
    // Caption (the short name) and Address (scheme and host, a path may follow). A missing
    // file, section or key, an empty value, and an address that is not a web address
    // leave the built-in value in place.
    static LookupSiteSettings Read(const std::string& fileName);

    const std::string& ShortName(LookupSite site) const;
    const std::string& BaseAddress(LookupSite site) const;
    // "&" and the short name, e.g. "&Wiki"; an "&" of the name is doubled, so it shows.
    std::string Caption(LookupSite site) const;
    // The page of the opcode on the site: base address, path prefix, the opcode text,
    // path suffix. Bytes outside the URL's unreserved characters are percent-encoded, so
    // a row text can never add query parameters of its own; four hexadecimal digits pass
    // as they are.
    std::string Address(LookupSite site, std::string_view opcodeText) const;

  private:
    std::array<std::string, 3> names_, addresses_;
};

// The look-up goes on with this opcode when the list has no focused row.
inline constexpr std::string_view kDefaultOpcodeText = "0000";

// The opcode number at the head of a row caption: its first four characters, or the
// whole caption when it is shorter.
std::string OpcodeTextOfCaption(std::string_view caption);
