#pragma once
// INI files read with the rules of the Windows private-profile functions: sections and
// keys match without regard to case, the value is what follows the first "=" with the
// blanks around it and one pair of enclosing quotes removed, at most 2047 characters.
// A missing file reads as an empty one. Each file is parsed once, at its first use;
// where a section or a key stands twice, the first one counts.

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "opcodes/files/file_io.h"
#include "opcodes/ini_entries.h"

class TIniFile {
  public:
    // Nothing is opened yet: the file is read at the first call that needs it. A reader
    // given `onlySections` knows no other section (nor lists one), and stops reading the
    // file once the first section of each of those names has ended: a file of any length
    // costs it no more than the part that holds them.
    explicit TIniFile(std::string fileName, std::vector<std::string> onlySections = {});
    ~TIniFile();
    TIniFile(TIniFile&&) noexcept;
    TIniFile& operator=(TIniFile&&) noexcept;

    std::string ReadString(std::string_view section, std::string_view key,
                           std::string_view defaultValue) const;
    // The same value without a copy: it views the file's bytes (or `defaultValue`) and
    // stays valid while this object lives.
    std::string_view ReadStringView(std::string_view section, std::string_view key,
                                    std::string_view defaultValue) const;
    // "0x"/"0X" followed by hexadecimal digits, or a signed decimal integer; anything else
    // (empty, not a number, out of 32-bit range) gives the default.
    int32_t ReadInteger(std::string_view section, std::string_view key, int32_t defaultValue) const;
    // ReadInteger with 1/0 as the default; true when the number is not 0.
    bool ReadBool(std::string_view section, std::string_view key, bool defaultValue) const;
    // All section names in file order (a repeated section is listed each time it stands).
    std::vector<std::string> ReadSections() const;
    // The same names as views that stay valid while this object lives.
    const std::vector<std::string_view>& SectionNames() const;

    // True when the key stands in the (first) section of that name.
    bool HasKey(std::string_view section, std::string_view key) const;
    bool HasSection(std::string_view section) const;

    struct Parsed;

  private:
    const Parsed& parsed() const;

    std::string fileName_;
    std::vector<std::string> onlySections_;
    mutable std::unique_ptr<Parsed> parsed_;
};

// The longest value ReadString returns.
inline constexpr std::size_t kIniMaxValueLength = 2047;

// The value ReadString makes of a key's text (blanks already removed): one pair of
// enclosing quotes (double or single) removed; not yet cut to its longest length.
inline std::string_view UnquoteIniValue(std::string_view raw) {
    if (raw.size() >= 2 && (raw.front() == '"' || raw.front() == '\'') && raw.back() == raw.front())
        return raw.substr(1, raw.size() - 2);
    return raw;
}

// The text-to-integer rule of ReadInteger, on its own. Returns false when the text is
// not a number.
bool ParseIniInteger(std::string_view text, int32_t& value);
// A signed decimal integer: an optional sign and digits only, within 32 bits.
bool ParseDecimalInteger(std::string_view text, int32_t& value);

// The bytes TIniFile reads of a file: all of them, or none when it cannot be read.
FileBytes ReadIniBytes(const std::string& fileName);

// What ReadString gives for a key's text (blanks already removed): unquoted and cut to
// its longest length.
inline std::string_view IniValue(std::string_view raw) {
    const std::string_view value = UnquoteIniValue(raw);
    return value.size() > kIniMaxValueLength ? value.substr(0, kIniMaxValueLength) : value;
}

// One section of an INI file's bytes in a single pass, for a reader that takes a whole
// section and looks nothing up: visit(key, value) hears each key line of the first
// section of that name in file order, the value as ReadString reads it. A key that stands
// twice is heard each time; ReadString reads the first. The scan ends with the section.
template <typename Visit>
void ForEachIniSectionKey(std::string_view bytes, std::string_view section, Visit&& visit) {
    bool inside = false;
    ForEachIniEntry(bytes, [&](const IniEntry& entry) {
        if (entry.kind == IniEntry::Kind::Section) {
            if (inside)
                return false;
            inside = EqualsIgnoreCaseCp1251(entry.name, section);
        } else if (entry.kind == IniEntry::Kind::Key && inside) {
            visit(entry.name, IniValue(entry.value));
        }
        return true;
    });
}
