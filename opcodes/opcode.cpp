#include "opcodes/opcode.h"

#include <algorithm>
#include <cassert>
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
    if (key.size() != 4)
        return -1;
    const unsigned a = HexDigitValue(key[0]), b = HexDigitValue(key[1]), c = HexDigitValue(key[2]),
                   d = HexDigitValue(key[3]);
    if ((a | b | c | d) >= 16)
        return -1;
    const auto n = static_cast<int32_t>(a << 12 | b << 8 | c << 4 | d);
    return TOpcodesList::IsOpcodeNumber(n) ? n : -1;
}

// Puts the value of every opcode's key in the opcodes section of the file into the
// record's field `value`, as ReadString reads it (the first line of a key that stands
// twice); a record without a key keeps a null view. One pass over the section instead of
// a look-up by name for each number; the views point into `bytes`.
void ReadOpcodeValues(std::string_view bytes, std::vector<TOpcode>& items,
                      std::string_view TOpcode::*value) {
    ForEachIniSectionKey(bytes, kOpcodesSection, [&](std::string_view key, std::string_view found) {
        const int32_t n = OpcodeOfKey(key);
        if (n < 0)
            return;
        std::string_view& field = items[static_cast<std::size_t>(n)].*value;
        if (field.data() == nullptr)
            field = found;
    });
}

// A type that names a line of the type line file.
struct TypeOnLine {
    std::size_t type;
    std::string piece; // the short caption and ", "
    int32_t line;
};

// Gives the records the types of TypeInfo.ini: each number of a type's line gets the
// type's bit and, in its type text, the type's short caption. The type line file is read
// once, and only when a type names a line. Returns the bytes the type texts view.
std::unique_ptr<char[]> GiveTypes(std::vector<TOpcode>& items, const TIniFile& typeInfo,
                                  const std::string& typeLinesFile) {
    std::vector<TypeOnLine> types;
    const std::vector<std::string_view>& sections = typeInfo.SectionNames();
    for (std::size_t j = 0; j < sections.size() && j < static_cast<std::size_t>(kMaxTypes); ++j) {
        const int32_t line = typeInfo.ReadInteger(sections[j], "Opcodes", -1);
        if (line == -1)
            continue;
        std::string piece(
            typeInfo.ReadStringView(sections[j], "ShortCaption", kMissingTypeCaption));
        piece += ", ";
        types.push_back({j, std::move(piece), line});
    }
    if (types.empty())
        return nullptr;
    const OpcodeLineFile lines = OpcodeLineFile::Open(typeLinesFile);
    // Types often share a line: the numbers of the line read last are kept. The loading
    // runs beside the window's making, so a line is parsed again rather than all kept:
    // the memory the two take at once is what start-up holds at its peak.
    std::vector<int32_t> numbers;
    const TypeOnLine* numbersOf = nullptr;
    const auto numbersFor = [&](const TypeOnLine& type) -> const std::vector<int32_t>& {
        if (numbersOf == nullptr || numbersOf->line != type.line)
            lines.ReadLine(type.line, numbers);
        numbersOf = &type;
        return numbers;
    };
    // Two passes over the lines: the first measures each record's type text, so that the
    // second writes them all into one block of their final size. Between them a record's
    // TypeText holds its length alone, then its start and what is written so far.
    for (const TypeOnLine& type : types)
        for (int32_t m : numbersFor(type)) {
            if (!TOpcodesList::IsOpcodeNumber(m))
                continue; // no record to give the type to
            std::string_view& text = items[static_cast<std::size_t>(m)].TypeText;
            text = {nullptr, std::min(text.size() + type.piece.size(), kMaxTypeTextLength)};
        }
    std::size_t total = 0;
    for (const TOpcode& op : items)
        total += op.TypeText.size();
    auto bytes = std::make_unique_for_overwrite<char[]>(total);
    char* start = bytes.get();
    for (TOpcode& op : items) {
        const std::size_t length = op.TypeText.size();
        op.TypeText = {start, 0};
        start += length;
    }
    for (const TypeOnLine& type : types)
        for (int32_t m : numbersFor(type)) {
            if (!TOpcodesList::IsOpcodeNumber(m))
                continue;
            TOpcode& op = items[static_cast<std::size_t>(m)];
            op.Types.set(type.type);
            const std::size_t count =
                std::min(type.piece.size(), kMaxTypeTextLength - op.TypeText.size());
            // Where the text written so far ends, as a writable pointer into the block.
            char* const end = bytes.get() + (op.TypeText.data() - bytes.get()) + op.TypeText.size();
            assert(end + count <= bytes.get() + total); // within the length the first pass measured
            std::memcpy(end, type.piece.data(), count);
            op.TypeText = {op.TypeText.data(), op.TypeText.size() + count};
        }
    return bytes;
}

// The records' texts view the file's bytes. A file mostly made of other things (filler
// sections, comments) would be kept whole for them: its texts are then copied into a
// block of their own and the file is let go.
void KeepOnlyTexts(FileBytes& bytes, std::vector<TOpcode>& items, std::string_view TOpcode::*text) {
    const auto inside = [&bytes](std::string_view part) {
        return part.data() >= bytes.data() && part.data() < bytes.data() + bytes.size();
    };
    std::size_t used = 0;
    for (const TOpcode& op : items)
        if (inside(op.*text))
            used += (op.*text).size();
    constexpr std::size_t kSlack = 64 * 1024;
    if (bytes.size() <= 2 * used + kSlack)
        return;
    FileBytes texts;
    texts.Resize(used);
    char* out = texts.data();
    for (TOpcode& op : items) {
        std::string_view& part = op.*text;
        if (!inside(part))
            continue;
        std::memcpy(out, part.data(), part.size());
        part = {out, part.size()};
        out += part.size();
    }
    bytes = std::move(texts);
}

} // namespace

std::string OpcodeKey(int32_t n) {
    auto value = static_cast<uint32_t>(n);
    char digits[8]; // filled from the right: at least four, all that the number needs
    std::size_t start = sizeof digits;
    do {
        digits[--start] = kHexDigitsUpper[value & 0xF];
        value >>= 4;
    } while (value != 0);
    while (start > sizeof digits - 4)
        digits[--start] = '0';
    return std::string(digits + start, sizeof digits - start);
}

namespace {

// The count part (before the first comma, empty without one) and the text part (after
// it, or the whole value).
std::pair<std::string_view, std::string_view> SplitAtComma(std::string_view value) {
    const std::size_t comma = value.find(',');
    if (comma == std::string_view::npos)
        return {std::string_view(), value};
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
    if (count < 10)
        text = ' ';
    text += countPart;
}

} // namespace

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
                           const std::string& TypeInfoFile, const std::string& TypeLinesFile)
    : TOpcodesList(OpcodesFile, TranslationFile, TIniFile(TypeInfoFile), TypeLinesFile) {}

TOpcodesList::TOpcodesList(const std::string& OpcodesFile, const std::string& TranslationFile,
                           const TIniFile& TypeInfo, const std::string& TypeLinesFile)
    : OpcodeBytes(ReadIniBytes(OpcodesFile)), Items(kOpcodeCount) {
    // Each Text holds its record's whole value until the value is split below; a null
    // view marks a number without a key.
    ReadOpcodeValues(OpcodeBytes.view(), Items, &TOpcode::Text);
    // The counts first, in number order, so that of two bad count parts the lower
    // number's is reported before anything else is read.
    constexpr std::size_t kKeyLength = 6; // "00A1: "
    std::size_t missing = 0;
    for (TOpcode& op : Items) {
        const bool found = op.Text.data() != nullptr;
        const auto [countPart, textPart] = SplitAtComma(found ? op.Text : kDefaultOpcodeValue);
        op.ParamCount = ParamCountOf(countPart);
        SetParamCountText(op.ParamCountText, op.ParamCount, countPart);
        op.Text = textPart; // the key goes in front below
        if (!found)
            missing += kKeyLength + textPart.size();
        DefinedNumbers[static_cast<std::size_t>(&op - Items.data())] = found;
    }
    // A key line holds at least the four digits of its key, "=", a digit and "," before
    // the text part: room for the six characters of the record's key, written in place.
    DefaultTexts = std::make_unique_for_overwrite<char[]>(missing);
    char* nextDefault = DefaultTexts.get();
    const char* const defaultText = SplitAtComma(kDefaultOpcodeValue).second.data();
    for (int32_t n = 0; n < kOpcodeCount; ++n) {
        TOpcode& op = Items[static_cast<std::size_t>(n)];
        char* key;
        if (op.Text.data() == defaultText) {
            key = nextDefault;
            std::memcpy(key + kKeyLength, op.Text.data(), op.Text.size());
            nextDefault += kKeyLength + op.Text.size();
        } else {
            // The text part follows the count part's comma on its own key line.
            assert(op.Text.data() >= OpcodeBytes.data() + kKeyLength && op.Text.data()[-1] == ',');
            key = OpcodeBytes.data() + (op.Text.data() - OpcodeBytes.data()) - kKeyLength;
        }
        const char digits[kKeyLength] = {kHexDigitsUpper[(n >> 12) & 0xF],
                                         kHexDigitsUpper[(n >> 8) & 0xF],
                                         kHexDigitsUpper[(n >> 4) & 0xF],
                                         kHexDigitsUpper[n & 0xF],
                                         ':',
                                         ' '};
        std::memcpy(key, digits, kKeyLength);
        op.Text = {key, kKeyLength + op.Text.size()};
    }
    TranslationBytes = ReadIniBytes(TranslationFile);
    ReadOpcodeValues(TranslationBytes.view(), Items, &TOpcode::RusText);
    for (TOpcode& op : Items)
        op.RusText =
            TranslationText(op.RusText.data() != nullptr ? op.RusText : kDefaultOpcodeValue);
    KeepOnlyTexts(OpcodeBytes, Items, &TOpcode::Text);
    KeepOnlyTexts(TranslationBytes, Items, &TOpcode::RusText);
    TypeTexts = GiveTypes(Items, TypeInfo, TypeLinesFile);
}

const TOpcode& TOpcodesList::GetItem(int32_t n) const {
    if (!IsOpcodeNumber(n))
        throw ERangeError("Opcode number " + OpcodeKey(n) + " is out of range");
    return Items[static_cast<std::size_t>(n)];
}
