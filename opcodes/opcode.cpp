#include "opcodes/opcode.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <utility>

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

// Gives the records the types of TypeInfo.ini: each number of a type's line gets the
// type's bit and, in its type text, the type's short caption. The type line file is read
// once, and only when a type names a line. Returns the bytes the type texts view.
std::unique_ptr<char[]> GiveTypes(std::vector<TOpcode>& items, const std::string& typeInfoFile,
                                  const std::string& typeLinesFile) {
    const TIniFile typeInfo(typeInfoFile);
    std::vector<TypeOnLine> types;
    const std::vector<std::string_view>& sections = typeInfo.SectionNames();
    for (std::size_t j = 0; j < sections.size() && j < static_cast<std::size_t>(kMaxTypes); ++j) {
        const std::string_view shortCaption =
            typeInfo.ReadStringView(sections[j], "ShortCaption", kMissingTypeCaption);
        const int32_t line = typeInfo.ReadInteger(sections[j], "Opcodes", -1);
        if (line != -1) types.push_back({j, shortCaption, line});
    }
    if (types.empty()) return nullptr;
    const OpcodeLineFile lines = OpcodeLineFile::Open(typeLinesFile);
    // Types often share a line: the numbers of the line read last are kept.
    std::vector<int32_t> numbers;
    const TypeOnLine* numbersOf = nullptr;
    const auto numbersFor = [&](const TypeOnLine& type) -> const std::vector<int32_t>& {
        if (numbersOf == nullptr || numbersOf->line != type.line)
            lines.ReadLine(type.line, numbers);
        numbersOf = &type;
        return numbers;
    };
    // Two passes over the lines: the first measures each record's type text, so that the
    // second writes them all into one block of their final size.
    std::vector<std::size_t> lengths(kOpcodeCount);
    for (const TypeOnLine& type : types)
        for (int32_t m : numbersFor(type)) {
            if (!TOpcodesList::IsOpcodeNumber(m)) continue;  // no record to give the type to
            std::size_t& length = lengths[static_cast<std::size_t>(m)];
            length = std::min(length + type.shortCaption.size() + 2, kMaxTypeTextLength);
        }
    std::vector<std::size_t> starts(kOpcodeCount);
    std::size_t total = 0;
    for (std::size_t n = 0; n < kOpcodeCount; ++n) {
        starts[n] = total;
        total += lengths[n];
    }
    auto bytes = std::make_unique_for_overwrite<char[]>(total);
    std::fill(lengths.begin(), lengths.end(), 0);  // now: how much of each is written
    for (const TypeOnLine& type : types)
        for (int32_t m : numbersFor(type)) {
            if (!TOpcodesList::IsOpcodeNumber(m)) continue;
            const auto n = static_cast<std::size_t>(m);
            items[n].Types.set(type.type);
            for (std::string_view part : {type.shortCaption, std::string_view(", ")}) {
                const std::size_t count = std::min(part.size(), kMaxTypeTextLength - lengths[n]);
                std::memcpy(bytes.get() + starts[n] + lengths[n], part.data(), count);
                lengths[n] += count;
            }
        }
    for (std::size_t n = 0; n < kOpcodeCount; ++n) items[n].TypeText = {bytes.get() + starts[n], lengths[n]};
    return bytes;
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

namespace {

// The count part (before the first comma, empty without one) and the text part (after
// it, or the whole value).
std::pair<std::string_view, std::string_view> SplitAtComma(std::string_view value) {
    const std::size_t comma = value.find(',');
    if (comma == std::string_view::npos) return {std::string_view(), value};
    return {value.substr(0, comma), value.substr(comma + 1)};
}

int32_t ParamCountOf(std::string_view countPart) {
    int32_t count;
    if (!ParseDecimalInteger(countPart, count))
        throw EConvertError("'" + std::string(countPart) + "' is not a valid integer value");
    return count;
}

void SetParamCountText(std::string& text, int32_t count, std::string_view countPart) {
    if (count == -1) {
        text = kVariableParamCount;
        return;
    }
    if (count < 10) text = ' ';
    text += countPart;
}

}  // namespace

OpcodeDefinition SplitOpcodeDefinition(std::string_view value) {
    OpcodeDefinition def;
    const auto [countPart, textPart] = SplitAtComma(value);
    def.TextPart = textPart;
    def.ParamCount = ParamCountOf(countPart);
    SetParamCountText(def.ParamCountText, def.ParamCount, countPart);
    return def;
}

std::string_view TranslationText(std::string_view value) {
    const std::size_t comma = value.find(',');
    return comma == std::string_view::npos ? value : value.substr(comma + 1);
}

TOpcodesList::TOpcodesList(const std::string& OpcodesFile, const std::string& TranslationFile,
                           const std::string& TypeInfoFile, const std::string& TypeLinesFile) {
    // The values of both INI files are gathered first; then the records' texts are written
    // one record after another, so the table is gone through in order, and the types go
    // in last, line by line.
    const std::string opcodeBytes = ReadIniBytes(OpcodesFile);
    const std::vector<std::string_view> definitions = ReadOpcodeValues(opcodeBytes);
    // The counts first, in number order, so that of two bad count parts the lower
    // number's is reported before anything else is read.
    std::vector<int32_t> counts(kOpcodeCount);
    for (std::size_t i = 0; i < kOpcodeCount; ++i)
        counts[i] = ParamCountOf(SplitAtComma(definitions[i]).first);
    const std::string translationBytes = ReadIniBytes(TranslationFile);
    const std::vector<std::string_view> translations = ReadOpcodeValues(translationBytes);

    constexpr std::size_t kKeyLength = 6;  // "00A1: "
    std::size_t total = 0;
    for (std::size_t i = 0; i < kOpcodeCount; ++i)
        total += kKeyLength + SplitAtComma(definitions[i]).second.size() +
                 TranslationText(translations[i]).size();
    Texts = std::make_unique_for_overwrite<char[]>(total);
    char* out = Texts.get();
    const auto write = [&out](std::string_view text) {
        std::memcpy(out, text.data(), text.size());
        out += text.size();
    };
    Items.resize(kOpcodeCount);
    for (int32_t n = 0; n < kOpcodeCount; ++n) {
        const auto i = static_cast<std::size_t>(n);
        TOpcode& op = Items[i];
        const auto [countPart, textPart] = SplitAtComma(definitions[i]);
        // The record's number needs four digits at most.
        const char key[kKeyLength] = {kHexDigitsUpper[(n >> 12) & 0xF], kHexDigitsUpper[(n >> 8) & 0xF],
                                      kHexDigitsUpper[(n >> 4) & 0xF], kHexDigitsUpper[n & 0xF], ':', ' '};
        char* const text = out;
        write({key, kKeyLength});
        write(textPart);
        op.Text = {text, kKeyLength + textPart.size()};
        const std::string_view translation = TranslationText(translations[i]);
        op.RusText = {out, translation.size()};
        write(translation);
        op.ParamCount = counts[i];
        SetParamCountText(op.ParamCountText, counts[i], countPart);
    }
    TypeTexts = GiveTypes(Items, TypeInfoFile, TypeLinesFile);
}

const TOpcode& TOpcodesList::GetItem(int32_t n) const {
    if (!IsOpcodeNumber(n)) throw ERangeError("Opcode number " + OpcodeKey(n) + " is out of range");
    return Items[static_cast<std::size_t>(n)];
}
