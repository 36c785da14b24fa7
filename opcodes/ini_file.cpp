#include "opcodes/ini_file.h"

#include <limits>
#include <unordered_map>

#include "opcodes/ini_entries.h"
#include "platform/files/file_io.h"

namespace {

template <typename T>
using FoldedMap = std::unordered_map<std::string_view, T, IniNameHash, IniNameEqual>;

}  // namespace

// The file's bytes and, over them, its sections in file order with their keys. Views
// point into `bytes`, which never changes after parsing.
struct TIniFile::Parsed {
    struct Section {
        std::string_view name;
        // key -> raw value (trimmed, quotes kept); made at the section's first key, so a
        // file of millions of empty sections costs a pointer for each, not a table
        std::unique_ptr<FoldedMap<std::string_view>> values;

        const std::string_view* Find(std::string_view key) const {
            if (!values) return nullptr;
            const auto it = values->find(key);
            return it == values->end() ? nullptr : &it->second;
        }
    };
    std::string bytes;
    std::vector<Section> sections;
    FoldedMap<std::size_t> firstSection;  // name -> index of its first occurrence

    explicit Parsed(std::string content) : bytes(std::move(content)) { Parse(); }

    const Section* Find(std::string_view section) const {
        const auto it = firstSection.find(section);
        return it == firstSection.end() ? nullptr : &sections[it->second];
    }

private:
    void Parse() {
        Section* current = nullptr;  // keys before the first section belong to none
        ForEachIniEntry(bytes, [&](const IniEntry& entry) {
            if (entry.kind == IniEntry::Kind::Section) {
                sections.push_back({entry.name, nullptr});
                current = &sections.back();
                firstSection.emplace(current->name, sections.size() - 1);
            } else if (entry.kind == IniEntry::Kind::Key && current != nullptr) {
                if (!current->values) current->values = std::make_unique<FoldedMap<std::string_view>>();
                current->values->emplace(entry.name, entry.value);
            }
        });
    }
};

TIniFile::TIniFile(std::string fileName) : fileName_(std::move(fileName)) {}
TIniFile::~TIniFile() = default;
TIniFile::TIniFile(TIniFile&&) noexcept = default;
TIniFile& TIniFile::operator=(TIniFile&&) noexcept = default;

const TIniFile::Parsed& TIniFile::parsed() const {
    if (!parsed_) {
        // A file that cannot be read counts as an empty one.
        std::string bytes;
        if (!ReadWholeFile(fileName_, bytes).ok()) bytes.clear();
        parsed_ = std::make_unique<Parsed>(std::move(bytes));
    }
    return *parsed_;
}

std::string TIniFile::ReadString(std::string_view section, std::string_view key,
                                 std::string_view defaultValue) const {
    const Parsed::Section* s = parsed().Find(section);
    if (s == nullptr) return std::string(defaultValue);
    const std::string_view* found = s->Find(key);
    if (found == nullptr) return std::string(defaultValue);
    std::string_view value = UnquoteIniValue(*found);
    if (value.size() > kIniMaxValueLength) value = value.substr(0, kIniMaxValueLength);
    return std::string(value);
}

int32_t TIniFile::ReadInteger(std::string_view section, std::string_view key,
                              int32_t defaultValue) const {
    int32_t value;
    return ParseIniInteger(ReadString(section, key, ""), value) ? value : defaultValue;
}

bool TIniFile::ReadBool(std::string_view section, std::string_view key, bool defaultValue) const {
    return ReadInteger(section, key, defaultValue ? 1 : 0) != 0;
}

std::vector<std::string> TIniFile::ReadSections() const {
    std::vector<std::string> names;
    names.reserve(parsed().sections.size());
    for (const auto& s : parsed().sections) names.emplace_back(s.name);
    return names;
}

bool TIniFile::HasSection(std::string_view section) const {
    return parsed().Find(section) != nullptr;
}

bool TIniFile::HasKey(std::string_view section, std::string_view key) const {
    const Parsed::Section* s = parsed().Find(section);
    return s != nullptr && s->Find(key) != nullptr;
}

std::string_view UnquoteIniValue(std::string_view raw) {
    if (raw.size() >= 2 && (raw.front() == '"' || raw.front() == '\'') && raw.back() == raw.front())
        return raw.substr(1, raw.size() - 2);
    return raw;
}

bool ParseIniInteger(std::string_view text, int32_t& value) {
    if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
        uint64_t n = 0;
        for (char ch : text.substr(2)) {
            int digit;
            if (ch >= '0' && ch <= '9') digit = ch - '0';
            else if (ch >= 'A' && ch <= 'F') digit = ch - 'A' + 10;
            else if (ch >= 'a' && ch <= 'f') digit = ch - 'a' + 10;
            else return false;
            n = n * 16 + static_cast<uint64_t>(digit);
            if (n > 0xFFFFFFFFull) return false;
        }
        value = static_cast<int32_t>(static_cast<uint32_t>(n));
        return true;
    }
    return ParseDecimalInteger(text, value);
}

bool ParseDecimalInteger(std::string_view text, int32_t& value) {
    std::size_t i = 0;
    const bool negative = !text.empty() && text[0] == '-';
    if (!text.empty() && (text[0] == '-' || text[0] == '+')) i = 1;
    if (i == text.size()) return false;
    int64_t n = 0;
    for (; i < text.size(); ++i) {
        if (text[i] < '0' || text[i] > '9') return false;
        n = n * 10 + (text[i] - '0');
        if (n > int64_t{std::numeric_limits<int32_t>::max()} + 1) return false;
    }
    if (negative) n = -n;
    if (n > std::numeric_limits<int32_t>::max()) return false;
    value = static_cast<int32_t>(n);
    return true;
}
