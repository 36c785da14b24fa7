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
        Section, // "[name]": `name` is the text between the brackets, blanks removed
        Key,     // "key=value": `name` is the key, `value` the rest after the first "="
        Other,   // a non-blank line that is neither: the reader passes over it
    };
    Kind kind;
    int line;               // counted from 1; CR LF, CR and LF each end a line
    std::string_view name;  // blanks around it removed
    std::string_view value; // a key's value with blanks removed and quotes kept;
                            // for Other the whole line
};

inline bool IsIniBlank(char ch) {
    return ch == ' ' || ch == '\t';
}

inline std::string_view TrimIniBlanks(std::string_view s) {
    while (!s.empty() && IsIniBlank(s.front()))
        s.remove_prefix(1);
    while (!s.empty() && IsIniBlank(s.back()))
        s.remove_suffix(1);
    return s;
}

// Calls visit(const IniEntry&) for every non-blank line of `bytes`, in file order. The
// views point into `bytes`. A `visit` that returns bool ends the scan by returning false.
template <typename Visit> void ForEachIniEntry(std::string_view bytes, Visit&& visit) {
    const auto give = [&](const IniEntry& entry) {
        if constexpr (std::is_same_v<decltype(visit(entry)), bool>)
            return visit(entry);
        else
            return visit(entry), true;
    };
    int line = 0;
    LineSplitter lines(bytes, 0, true, '=');
    std::string_view raw;
    std::size_t eq; // the line's first "=", found by the same scan as its end
    while (lines.Next(raw, eq)) {
        ++line;
        // The blanks are trimmed off only where a part of the line needs it: the front of
        // the line, the end of a key, both ends of a value, the end of any other line.
        const char* begin = raw.data();
        const char* const end = begin + raw.size();
        while (begin != end && IsIniBlank(*begin))
            ++begin;
        if (begin == end)
            continue;
        const std::string_view text(begin, static_cast<std::size_t>(end - begin));
        if (*begin == '[') {
            const std::string_view inner = text.substr(1);
            if (!give(IniEntry{IniEntry::Kind::Section,
                               line,
                               TrimIniBlanks(inner.substr(0, inner.find(']'))),
                               {}}))
                return;
            continue;
        }
        bool more;
        if (eq == std::string_view::npos) {
            more = give(IniEntry{IniEntry::Kind::Other, line, {}, TrimIniBlanks(text)});
        } else {
            // Only blanks went off the front, so the "=" stands within the text.
            const char* const equals = raw.data() + eq;
            const char* keyEnd = equals;
            while (keyEnd != begin && IsIniBlank(keyEnd[-1]))
                --keyEnd;
            const char* valueBegin = equals + 1;
            const char* valueEnd = end;
            while (valueBegin != valueEnd && IsIniBlank(*valueBegin))
                ++valueBegin;
            while (valueEnd != valueBegin && IsIniBlank(valueEnd[-1]))
                --valueEnd;
            more = give(IniEntry{IniEntry::Kind::Key,
                                 line,
                                 {begin, static_cast<std::size_t>(keyEnd - begin)},
                                 {valueBegin, static_cast<std::size_t>(valueEnd - valueBegin)}});
        }
        if (!more)
            return;
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
