#include "opcodes/opcode.h"

#include <algorithm>
#include <bitset>
#include <cstdint>
#include <cstring>

#include "opcodes/cp1251.h"
#include "opcodes/errors.h"
#include "opcodes/ini_file.h"
#include "opcodes/opcode_lines.h"

const std::string kDefaultOpcodeValue = "0, ???";
const std::string kMissingTypeCaption = Utf8ToCp1251("ОТСУТСТВУЕТ В TYPEINFO.INI");
const std::string kVariableParamCount = Utf8ToCp1251("до 255");

namespace {
constexpr std::string_view kOpcodesSection = "opcodes";
constexpr char kHexDigitsUpper[] = "0123456789ABCDEF";

// Appends the caption and ", " to the `length` characters of `text` as far as they fit
// in kMaxTypeTextLength; returns the new length.
std::size_t AppendTypeCaption(char* text, std::size_t length, std::string_view shortCaption) {
    for (std::string_view part : {shortCaption, std::string_view(", ")}) {
        const std::size_t fits = std::min(part.size(), kMaxTypeTextLength - length);
        std::memcpy(text + length, part.data(), fits);
        length += fits;
    }
    return length;
}

// The opcode number a key of the opcodes section stands for: the keys that OpcodeKey
// names, four hexadecimal digits of either case. -1 for any other key.
int32_t OpcodeOfKey(std::string_view key) {
    if (key.size() != 4) return -1;
    int32_t n = 0;
    for (char ch : key) {
        if (!IsHexDigit(ch)) return -1;
        n = n * 16 + (ch <= '9' ? ch - '0' : (ch | 0x20) - 'a' + 10);
    }
    return TOpcodesList::IsOpcodeNumber(n) ? n : -1;
}

// The value of every opcode's key in the opcodes section of the file, as ReadString
// reads it (the first line of a key that stands twice), or kDefaultOpcodeValue. One pass
// over the section instead of a look-up by name for each number; the views point into
// `bytes`.
std::vector<std::string_view> ReadOpcodeValues(std::string_view bytes) {
    std::vector<std::string_view> values(kOpcodeCount, kDefaultOpcodeValue);
    std::vector<bool> found(kOpcodeCount);
    ForEachIniSectionKey(bytes, kOpcodesSection, [&](std::string_view key, std::string_view value) {
        const int32_t n = OpcodeOfKey(key);
        if (n < 0 || found[static_cast<std::size_t>(n)]) return;
        found[static_cast<std::size_t>(n)] = true;
        values[static_cast<std::size_t>(n)] = value;
    });
    return values;
}

// A type that names a line of the type line file.
struct TypeOnLine {
    std::size_t type;
    std::string_view shortCaption;
    int32_t line;
};

// Gives every record the types whose lines name it: the type's bit, and the type's short
// caption in the type text once for each time its line names the record, in type order.
// Taken line by line, the numbers would jump across the whole table for every write, so
// the records are written one after another instead: a first pass over the lines counts
// each record's captions, a second lists them by record (type indices, a byte each),
// and then each record's text is written at its final size. Captions past the longest
// text are not listed, which bounds the lists by the texts themselves.
void GiveTypes(std::vector<TOpcode>& items, const std::vector<TypeOnLine>& types,
               const OpcodeLineFile& lines) {
    static_assert(kMaxTypes <= 256, "a type index fits a byte");
    // Types often share a line: the numbers of the line read last are kept.
    std::vector<int32_t> numbers;
    const TypeOnLine* numbersOf = nullptr;
    const auto numbersFor = [&](const TypeOnLine& type) -> const std::vector<int32_t>& {
        if (numbersOf == nullptr || numbersOf->line != type.line) lines.ReadLine(type.line, numbers);
        numbersOf = &type;
        return numbers;
    };

    std::vector<std::bitset<kMaxTypes>> bits(kOpcodeCount);
    std::vector<std::size_t> lengths(kOpcodeCount);
    std::vector<uint32_t> firsts(kOpcodeCount + 1);  // counts first, then where each list starts
    for (const TypeOnLine& type : types)
        for (int32_t m : numbersFor(type)) {
            if (!TOpcodesList::IsOpcodeNumber(m)) continue;  // no record to give the type to
            const auto n = static_cast<std::size_t>(m);
            bits[n].set(type.type);
            if (lengths[n] >= kMaxTypeTextLength) continue;
            lengths[n] = std::min(lengths[n] + type.shortCaption.size() + 2, kMaxTypeTextLength);
            ++firsts[n + 1];
        }
    for (std::size_t n = 0; n < kOpcodeCount; ++n) firsts[n + 1] += firsts[n];

    std::vector<uint8_t> listed(firsts.back());
    std::vector<uint32_t> ends(firsts.begin(), firsts.end() - 1);  // the next free place
    for (const TypeOnLine& type : types)
        for (int32_t m : numbersFor(type)) {
            if (!TOpcodesList::IsOpcodeNumber(m)) continue;
            const auto n = static_cast<std::size_t>(m);
            if (ends[n] < firsts[n + 1]) listed[ends[n]++] = static_cast<uint8_t>(type.type);
        }

    std::vector<std::string_view> captions(kMaxTypes);
    for (const TypeOnLine& type : types) captions[type.type] = type.shortCaption;
    char text[kMaxTypeTextLength];  // one record's text, copied into the record at once
    for (std::size_t n = 0; n < kOpcodeCount; ++n) {
        TOpcode& op = items[n];
        op.Types = bits[n];
        if (lengths[n] == 0) continue;
        std::size_t length = 0;
        for (uint32_t i = firsts[n]; i < firsts[n + 1]; ++i)
            length = AppendTypeCaption(text, length, captions[listed[i]]);
        op.TypeText.reserve(length);
        op.TypeText.append(text, length);
    }
}

}  // namespace

std::string OpcodeKey(int32_t n) {
    auto value = static_cast<uint32_t>(n);
    char digits[8];  // filled from the right: at least four, all that the number needs
    std::size_t start = sizeof digits;
    do {
        digits[--start] = kHexDigitsUpper[value & 0xF];
        value >>= 4;
    } while (value != 0);
    while (start > sizeof digits - 4) digits[--start] = '0';
    return std::string(digits + start, sizeof digits - start);
}

OpcodeDefinition SplitOpcodeDefinition(std::string_view value) {
    const std::size_t comma = value.find(',');
    OpcodeDefinition def;
    const std::string_view countPart =
        comma == std::string_view::npos ? std::string_view() : value.substr(0, comma);
    def.TextPart = comma == std::string_view::npos ? value : value.substr(comma + 1);
    if (!ParseDecimalInteger(countPart, def.ParamCount))
        throw EConvertError("'" + std::string(countPart) + "' is not a valid integer value");
    if (def.ParamCount == -1) {
        def.ParamCountText = kVariableParamCount;
    } else {
        if (def.ParamCount < 10) def.ParamCountText = ' ';
        def.ParamCountText += countPart;
    }
    return def;
}

std::string_view TranslationText(std::string_view value) {
    const std::size_t comma = value.find(',');
    return comma == std::string_view::npos ? value : value.substr(comma + 1);
}

TOpcodesList::TOpcodesList(const std::string& OpcodesFile, const std::string& TranslationFile,
                           const std::string& TypeInfoFile, const std::string& TypeLinesFile) {
    // One INI file at a time, each let go before the next is read: the two largest
    // files are never held together.
    Items.resize(kOpcodeCount);
    {
        const std::string bytes = ReadIniBytes(OpcodesFile);
        const std::vector<std::string_view> values = ReadOpcodeValues(bytes);
        // In number order, so that of two bad count parts the lower number's is reported.
        for (int32_t n = 0; n < kOpcodeCount; ++n) {
            OpcodeDefinition def = SplitOpcodeDefinition(values[static_cast<std::size_t>(n)]);
            TOpcode& op = Items[static_cast<std::size_t>(n)];
            // "00A1: ": the record's number needs four digits at most.
            const char key[] = {kHexDigitsUpper[(n >> 12) & 0xF], kHexDigitsUpper[(n >> 8) & 0xF],
                                kHexDigitsUpper[(n >> 4) & 0xF], kHexDigitsUpper[n & 0xF], ':', ' '};
            op.Text.reserve(sizeof key + def.TextPart.size());
            op.Text.append(key, sizeof key).append(def.TextPart);
            op.ParamCount = def.ParamCount;
            op.ParamCountText = std::move(def.ParamCountText);
        }
    }
    {
        const std::string bytes = ReadIniBytes(TranslationFile);
        const std::vector<std::string_view> values = ReadOpcodeValues(bytes);
        for (std::size_t n = 0; n < values.size(); ++n) Items[n].RusText = TranslationText(values[n]);
    }

    const TIniFile typeInfo(TypeInfoFile);
    std::vector<TypeOnLine> typesOnLines;
    const std::vector<std::string_view>& types = typeInfo.SectionNames();
    for (std::size_t j = 0; j < types.size() && j < static_cast<std::size_t>(kMaxTypes); ++j) {
        const std::string_view shortCaption =
            typeInfo.ReadStringView(types[j], "ShortCaption", kMissingTypeCaption);
        const int32_t line = typeInfo.ReadInteger(types[j], "Opcodes", -1);
        if (line != -1) typesOnLines.push_back({j, shortCaption, line});
    }
    if (typesOnLines.empty()) return;  // the type line file is not needed then
    GiveTypes(Items, typesOnLines, OpcodeLineFile::Open(TypeLinesFile));
}

const TOpcode& TOpcodesList::GetItem(int32_t n) const {
    if (!IsOpcodeNumber(n)) throw ERangeError("Opcode number " + OpcodeKey(n) + " is out of range");
    return Items[static_cast<std::size_t>(n)];
}
