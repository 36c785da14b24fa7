#include "opcodes/opcode.h"

#include <algorithm>

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

// Appends the caption and ", " as far as they fit below kMaxTypeTextLength.
void AppendTypeCaption(std::string& typeText, std::string_view shortCaption) {
    std::size_t room = kMaxTypeTextLength - std::min(typeText.size(), kMaxTypeTextLength);
    for (std::string_view part : {shortCaption, std::string_view(", ")}) {
        const std::size_t fits = std::min(part.size(), room);
        typeText.append(part.data(), fits);
        room -= fits;
    }
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
    const OpcodeLineFile typeLines = OpcodeLineFile::Open(TypeLinesFile);
    // Types often share a line: the numbers of the line read last are kept.
    std::vector<int32_t> numbers;
    bool haveLine = false;
    int32_t numbersLine = 0;
    const auto numbersOf = [&](int32_t line) -> const std::vector<int32_t>& {
        if (!haveLine || line != numbersLine) numbers = typeLines.ReadLine(line);
        haveLine = true;
        numbersLine = line;
        return numbers;
    };
    // Two passes over the lines: the first measures each record's type text, so that the
    // second writes it into a string of its final size.
    std::vector<std::size_t> lengths(kOpcodeCount);
    for (const TypeOnLine& type : typesOnLines)
        for (int32_t m : numbersOf(type.line)) {
            if (!IsOpcodeNumber(m)) continue;  // no record to give the type to
            std::size_t& length = lengths[static_cast<std::size_t>(m)];
            length = std::min(length + type.shortCaption.size() + 2, kMaxTypeTextLength);
        }
    for (std::size_t n = 0; n < lengths.size(); ++n) Items[n].TypeText.reserve(lengths[n]);
    for (const TypeOnLine& type : typesOnLines)
        for (int32_t m : numbersOf(type.line)) {
            if (!IsOpcodeNumber(m)) continue;
            TOpcode& op = Items[static_cast<std::size_t>(m)];
            op.Types.set(type.type);
            AppendTypeCaption(op.TypeText, type.shortCaption);
        }
}

const TOpcode& TOpcodesList::GetItem(int32_t n) const {
    if (!IsOpcodeNumber(n)) throw ERangeError("Opcode number " + OpcodeKey(n) + " is out of range");
    return Items[static_cast<std::size_t>(n)];
}
