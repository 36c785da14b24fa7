#pragma once
// The three web sites the current opcode can be looked up on, in one table: the
// actions' names, shortcuts, texts and how each site's address is built from the opcode
// number. Interface texts are UTF-8; addresses are plain ASCII.

#include <span>
#include <string>
#include <string_view>

enum class LookupSite { OpcodeBase, Wiki, IniEditor };

struct LookupSiteInfo {
    LookupSite site;
    std::string_view actionName;    // the action's object name
    std::string_view menuItemName;  // its item in the internet resources submenu
    std::string_view shortName;     // the site as the caption and the hint name it
    std::string_view shortcut;      // portable key sequence text
    std::string_view baseAddress;   // scheme and host
    std::string_view pathPrefix;    // path and query up to the opcode text
    std::string_view pathSuffix;    // whatever follows the opcode text
};

// All three, in the submenu's order (which is not their shortcuts' order).
std::span<const LookupSiteInfo> LookupSites();
const LookupSiteInfo& LookupSiteOf(LookupSite site);

// "&" and the short name, e.g. "&Wiki".
std::string LookupCaption(const LookupSiteInfo& info);
// "Посмотреть описание опкода на сайте " and the short name.
std::string LookupHint(const LookupSiteInfo& info);

inline constexpr std::string_view kLookupCategory = "Интернет-ресурсы";
inline constexpr std::string_view kLookupSubmenuCaption = "&Интернет-ресурсы";
inline constexpr std::string_view kLookupHeading = "Посмотреть описание этого опкода в:";
// Shown when the list has no focused row; the look-up then goes on with opcode 0000.
inline constexpr std::string_view kNoFocusedOpcodeMessage =
    "Ни один опкод не выделен!\r\nПо умолчанию опкод 0000";
inline constexpr std::string_view kDefaultOpcodeText = "0000";

// The page of the opcode on the site: base address, path prefix, the opcode text, path
// suffix. Bytes outside the URL's unreserved characters are percent-encoded, so a row
// text can never add query parameters of its own; four hexadecimal digits pass as they are.
std::string LookupAddress(LookupSite site, std::string_view opcodeText);

// The opcode number at the head of a row caption: its first four characters, or the
// whole caption when it is shorter.
std::string OpcodeTextOfCaption(std::string_view caption);
