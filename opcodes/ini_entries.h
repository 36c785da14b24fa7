#pragma once
// The lines of an INI file as TIniFile reads them, with their line numbers: section
// headers, key lines and the lines the reader passes over. TIniFile builds its lookup
// tables from the same scan, so a listing and a lookup never disagree on what a line is.

#include <cstddef>
#include <string_view>
#include <type_traits>
#include <vector>

#include "opcodes/cp1251.h"
#include "opcodes/line_ends.h"

struct IniEntry {
    enum class Kind {
        Section,  // "[name]": `name` is the text between the brackets, blanks removed
        Key,      // "key=value": `name` is the key, `value` the rest after the first "="
        Other,    // a non-blank line that is neither: the reader passes over it
    };
    Kind kind;
    int line;                // counted from 1; CR LF, CR and LF each end a line
    std::string_view name;   // blanks around it removed
    std::string_view value;  // a key's value with blanks removed and quotes kept;
                             // for Other the whole line
};

inline bool IsIniBlank(char ch) { return ch == ' ' || ch == '\t'; }

inline std::string_view TrimIniBlanks(std::string_view s) {
    while (!s.empty() && IsIniBlank(s.front())) s.remove_prefix(1);
    while (!s.empty() && IsIniBlank(s.back())) s.remove_suffix(1);
    return s;
}

// Calls visit(const IniEntry&) for every non-blank line of `bytes`, in file order. The
// views point into `bytes`. A `visit` that returns bool ends the scan by returning false.
template <typename Visit>
void ForEachIniEntry(std::string_view bytes, Visit&& visit) {
    const auto give = [&](const IniEntry& entry) {
        if constexpr (std::is_same_v<decltype(visit(entry)), bool>) return visit(entry);
        else return visit(entry), true;
    };
    int line = 0;
    LineSplitter lines(bytes, 0, true, '=');
    std::string_view raw;
    std::size_t eq;  // the line's first "=", found by the same scan as its end
    while (lines.Next(raw, eq)) {
        ++line;
        const std::string_view text = TrimIniBlanks(raw);
        if (text.empty()) continue;
        // Only blanks were trimmed, so the "=" stands within the text.
        if (eq != std::string_view::npos) eq -= static_cast<std::size_t>(text.data() - raw.data());
        if (text.front() == '[') {
            const std::string_view inner = text.substr(1);
            if (!give(IniEntry{IniEntry::Kind::Section, line,
                               TrimIniBlanks(inner.substr(0, inner.find(']'))), {}}))
                return;
            continue;
        }
        const bool more =
            eq == std::string_view::npos
                ? give(IniEntry{IniEntry::Kind::Other, line, {}, text})
                : give(IniEntry{IniEntry::Kind::Key, line, TrimIniBlanks(text.substr(0, eq)),
                                TrimIniBlanks(text.substr(eq + 1))});
        if (!more) return;
    }
}

// The same entries as a list.
std::vector<IniEntry> ListIniEntries(std::string_view bytes);

// Section and key names match without regard to case: a hash and an equality for
// unordered maps keyed by such names.
struct IniNameHash {
    std::size_t operator()(std::string_view s) const noexcept { return FoldedHashCp1251(s); }
};

struct IniNameEqual {
    bool operator()(std::string_view a, std::string_view b) const noexcept {
        return EqualsIgnoreCaseCp1251(a, b);
    }
};
