#include "opcodes/ini_file.h"

#include <algorithm>
#include <cstdint>
#include <limits>
#include <span>
#include <utility>

namespace {

// The slot of a hash in a table of 2^bits slots: the top bits of the product with the
// golden ratio, which depend on every bit of the hash (the low bits of FNV do not).
std::size_t SlotOf(std::size_t hash, unsigned bits) {
    return static_cast<std::size_t>((uint64_t{hash} * 0x9E3779B97F4A7C15ull) >> (64 - bits));
}

} // namespace

// The file's bytes and, over them, its sections in file order and the key lines that
// count, with no allocation of an entry's own. Views point into `bytes`, which never
// changes after parsing. A key is found by scanning its section's lines when the section
// is short, the usual case, and through an open addressing table of indices (at most
// half full) when it is long; the table is built at the first look-up that needs it, so
// a file read a whole section at a time never hashes a key.
struct TIniFile::Parsed {
    struct Key {
        uint32_t section; // index into `sections`
        std::string_view name;
        std::string_view raw; // trimmed, quotes kept
    };
    static constexpr uint32_t kEmpty = std::numeric_limits<uint32_t>::max();
    // Sections of up to this many key lines are scanned rather than hashed.
    static constexpr std::size_t kScanKeys = 16;

    FileBytes bytes;
    std::vector<std::string_view> sections; // names in file order, repeats included
    // The key lines of the first section of each name, in file order and so in the order
    // of their sections; the others can never be read and are not kept.
    std::vector<Key> keys;
    std::vector<uint32_t> sectionSlots{kEmpty, kEmpty}; // index of a name's first section
    unsigned sectionBits = 1;                           // the table holds 2^bits slots
    std::size_t sectionNames = 0;                       // names in the section table
    mutable std::vector<uint32_t> keySlots;             // index into `keys`; empty until needed
    mutable unsigned keyBits = 0;
    mutable uint32_t lastSection = kEmpty;   // the section FindSection found last
    mutable uint32_t keysOfSection = kEmpty; // the section KeysOf gave last
    mutable std::span<const Key> keysOf;

    // With `only` named, the sections of other names are passed over, and the reading
    // stops at the first section header after each of those names has stood once.
    Parsed(FileBytes content, std::span<const std::string> only) : bytes(std::move(content)) {
        bool keep = false;                // the keys of the section being read count
        std::size_t unseen = only.size(); // names of `only` not yet met
        ForEachIniEntry(bytes.view(), [&](const IniEntry& entry) {
            if (entry.kind == IniEntry::Kind::Section) {
                keep = false;
                if (!only.empty()) {
                    if (unseen == 0)
                        return false;
                    if (std::none_of(only.begin(), only.end(), [&](const std::string& name) {
                            return EqualsIgnoreCaseCp1251(name, entry.name);
                        }))
                        return true;
                }
                sections.push_back(entry.name);
                uint32_t& slot = sectionSlots[SectionSlot(entry.name)];
                if (slot != kEmpty)
                    return true;
                keep = true;
                if (unseen > 0)
                    --unseen;
                slot = static_cast<uint32_t>(sections.size() - 1);
                if (++sectionNames * 2 > sectionSlots.size())
                    GrowSections();
            } else if (entry.kind == IniEntry::Kind::Key && keep) {
                keys.push_back(
                    {static_cast<uint32_t>(sections.size() - 1), entry.name, entry.value});
            }
            return true;
        });
    }

    // The index of the first section of that name, or kEmpty. Readers ask for several
    // keys of one section in a row: a name spelt as the section found last is that
    // section (it is the first of its name) without hashing.
    uint32_t FindSection(std::string_view name) const {
        if (lastSection != kEmpty && sections[lastSection] == name)
            return lastSection;
        const uint32_t found = sectionSlots[SectionSlot(name)];
        if (found != kEmpty)
            lastSection = found;
        return found;
    }

    // The key lines of section `section` (an index from FindSection), kept for the next
    // look-up in the same section. `keys` is in section order: readers that go through
    // the sections in file order find the next section's keys where the last ones ended;
    // any other section is found by halving.
    std::span<const Key> KeysOf(uint32_t section) const {
        if (section == kEmpty)
            return {};
        if (section == keysOfSection)
            return keysOf;
        const auto bySection = [](const Key& key, uint32_t s) { return key.section < s; };
        auto first = keys.begin();
        if (keysOfSection != kEmpty && section > keysOfSection)
            first += keysOf.data() + keysOf.size() - keys.data();
        if (first != keys.end() && first->section < section)
            first = std::lower_bound(first, keys.end(), section, bySection);
        // A usual section has a few keys: they are stepped over before halving the rest.
        auto last = first;
        for (std::size_t step = 0; last != keys.end() && last->section == section; ++last)
            if (++step > kScanKeys) {
                last = std::lower_bound(last, keys.end(), section + 1, bySection);
                break;
            }
        keysOfSection = section;
        keysOf = {first, last};
        return keysOf;
    }

    // The raw value of the first line of the key in section `section`.
    const std::string_view* FindKey(uint32_t section, std::string_view name) const {
        const std::span<const Key> own = KeysOf(section);
        if (own.size() <= kScanKeys) {
            for (const Key& key : own)
                if (EqualsIgnoreCaseCp1251(key.name, name))
                    return &key.raw;
            return nullptr;
        }
        if (keySlots.empty())
            BuildKeyTable();
        const uint32_t index = keySlots[KeySlot(section, name)];
        return index == kEmpty ? nullptr : &keys[index].raw;
    }

  private:
    // The slot holding that name, or the empty one where it would go.
    std::size_t SectionSlot(std::string_view name) const {
        const std::size_t mask = sectionSlots.size() - 1;
        for (std::size_t i = SlotOf(IniNameHash{}(name), sectionBits);; i = (i + 1) & mask) {
            const uint32_t index = sectionSlots[i];
            if (index == kEmpty || EqualsIgnoreCaseCp1251(sections[index], name))
                return i;
        }
    }

    std::size_t KeySlot(uint32_t section, std::string_view name) const {
        const std::size_t mask = keySlots.size() - 1;
        for (std::size_t i = SlotOf(IniNameHash{}(name) + section, keyBits);; i = (i + 1) & mask) {
            const uint32_t index = keySlots[i];
            if (index == kEmpty ||
                (keys[index].section == section && EqualsIgnoreCaseCp1251(keys[index].name, name)))
                return i;
        }
    }

    void GrowSections() {
        const std::vector<uint32_t> old = std::exchange(sectionSlots, {});
        sectionSlots.assign(std::size_t{1} << ++sectionBits, kEmpty);
        for (uint32_t index : old)
            if (index != kEmpty)
                sectionSlots[SectionSlot(sections[index])] = index;
    }

    // Every key line at once, the first of each name in its section taking the slot.
    void BuildKeyTable() const {
        keyBits = 1;
        while ((std::size_t{1} << keyBits) < keys.size() * 2)
            ++keyBits;
        keySlots.assign(std::size_t{1} << keyBits, kEmpty);
        for (std::size_t i = 0; i < keys.size(); ++i) {
            uint32_t& slot = keySlots[KeySlot(keys[i].section, keys[i].name)];
            if (slot == kEmpty)
                slot = static_cast<uint32_t>(i);
        }
    }
};

TIniFile::TIniFile(std::string fileName, std::vector<std::string> onlySections)
    : fileName_(std::move(fileName)), onlySections_(std::move(onlySections)) {}
TIniFile::~TIniFile() = default;
TIniFile::TIniFile(TIniFile&&) noexcept = default;
TIniFile& TIniFile::operator=(TIniFile&&) noexcept = default;

const TIniFile::Parsed& TIniFile::parsed() const {
    if (!parsed_)
        parsed_ = std::make_unique<Parsed>(ReadIniBytes(fileName_), onlySections_);
    return *parsed_;
}

std::string_view TIniFile::ReadStringView(std::string_view section, std::string_view key,
                                          std::string_view defaultValue) const {
    const Parsed& p = parsed();
    const std::string_view* found = p.FindKey(p.FindSection(section), key);
    return found == nullptr ? defaultValue : IniValue(*found);
}

std::string TIniFile::ReadString(std::string_view section, std::string_view key,
                                 std::string_view defaultValue) const {
    return std::string(ReadStringView(section, key, defaultValue));
}

int32_t TIniFile::ReadInteger(std::string_view section, std::string_view key,
                              int32_t defaultValue) const {
    int32_t value;
    return ParseIniInteger(ReadStringView(section, key, ""), value) ? value : defaultValue;
}

bool TIniFile::ReadBool(std::string_view section, std::string_view key, bool defaultValue) const {
    return ReadInteger(section, key, defaultValue ? 1 : 0) != 0;
}

const std::vector<std::string_view>& TIniFile::SectionNames() const {
    return parsed().sections;
}

std::vector<std::string> TIniFile::ReadSections() const {
    const std::vector<std::string_view>& names = SectionNames();
    return {names.begin(), names.end()};
}

bool TIniFile::HasSection(std::string_view section) const {
    return parsed().FindSection(section) != Parsed::kEmpty;
}

bool TIniFile::HasKey(std::string_view section, std::string_view key) const {
    const Parsed& p = parsed();
    return p.FindKey(p.FindSection(section), key) != nullptr;
}

FileBytes ReadIniBytes(const std::string& fileName) {
    // A file that cannot be read counts as an empty one.
    FileBytes bytes;
    ReadWholeFile(fileName, bytes);
    return bytes;
}

bool ParseIniInteger(std::string_view text, int32_t& value) {
    if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
        uint64_t n = 0;
        for (char ch : text.substr(2)) {
            int digit;
            if (ch >= '0' && ch <= '9')
                digit = ch - '0';
            else if (ch >= 'A' && ch <= 'F')
                digit = ch - 'A' + 10;
            else if (ch >= 'a' && ch <= 'f')
                digit = ch - 'a' + 10;
            else
                return false;
            n = n * 16 + static_cast<uint64_t>(digit);
            if (n > 0xFFFFFFFFull)
                return false;
        }
        value = static_cast<int32_t>(static_cast<uint32_t>(n));
        return true;
    }
    return ParseDecimalInteger(text, value);
}

bool ParseDecimalInteger(std::string_view text, int32_t& value) {
    std::size_t i = 0;
    const bool negative = !text.empty() && text[0] == '-';
    if (!text.empty() && (text[0] == '-' || text[0] == '+'))
        i = 1;
    if (i == text.size())
        return false;
    int64_t n = 0;
    for (; i < text.size(); ++i) {
        if (text[i] < '0' || text[i] > '9')
            return false;
        n = n * 10 + (text[i] - '0');
        if (n > int64_t{std::numeric_limits<int32_t>::max()} + 1)
            return false;
    }
    if (negative)
        n = -n;
    if (n > std::numeric_limits<int32_t>::max())
        return false;
    value = static_cast<int32_t>(n);
    return true;
}
