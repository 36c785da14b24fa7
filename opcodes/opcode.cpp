#include "opcodes/opcode.h"

#include <optional>

#include "opcodes/cp1251.h"
#include "opcodes/errors.h"
#include "opcodes/ini_file.h"
#include "opcodes/opcode_lines.h"

const std::string kDefaultOpcodeValue = "0, ???";
const std::string kMissingTypeCaption = Utf8ToCp1251("ОТСУТСТВУЕТ В TYPEINFO.INI");
const std::string kVariableParamCount = Utf8ToCp1251("до 255");

namespace {
constexpr std::string_view kOpcodesSection = "opcodes";

void AppendTypeCaption(std::string& typeText, std::string_view shortCaption) {
    if (typeText.size() >= kMaxTypeTextLength) return;
    typeText += shortCaption;
    typeText += ", ";
    if (typeText.size() > kMaxTypeTextLength) typeText.resize(kMaxTypeTextLength);
}

}  // namespace

std::string OpcodeKey(int32_t n) {
    static constexpr char kDigits[] = "0123456789ABCDEF";
    auto value = static_cast<uint32_t>(n);
    char digits[8];  // filled from the right: at least four, all that the number needs
    std::size_t start = sizeof digits;
    do {
        digits[--start] = kDigits[value & 0xF];
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
        const TIniFile opcodes(OpcodesFile);
        for (int32_t n = 0; n < kOpcodeCount; ++n) {
            const std::string key = OpcodeKey(n);
            OpcodeDefinition def = SplitOpcodeDefinition(
                opcodes.ReadStringView(kOpcodesSection, key, kDefaultOpcodeValue));
            TOpcode& op = Items[n];
            op.Text.reserve(key.size() + 2 + def.TextPart.size());
            op.Text.append(key).append(": ").append(def.TextPart);
            op.ParamCount = def.ParamCount;
            op.ParamCountText = std::move(def.ParamCountText);
        }
    }
    {
        const TIniFile translations(TranslationFile);
        for (int32_t n = 0; n < kOpcodeCount; ++n)
            Items[n].RusText = TranslationText(
                translations.ReadStringView(kOpcodesSection, OpcodeKey(n), kDefaultOpcodeValue));
    }

    const TIniFile typeInfo(TypeInfoFile);
    // The type line file is read once, when the first type names a line.
    std::optional<OpcodeLineFile> typeLines;
    const std::vector<std::string_view>& types = typeInfo.SectionNames();
    for (std::size_t j = 0; j < types.size() && j < static_cast<std::size_t>(kMaxTypes); ++j) {
        const std::string_view shortCaption =
            typeInfo.ReadStringView(types[j], "ShortCaption", kMissingTypeCaption);
        const int32_t line = typeInfo.ReadInteger(types[j], "Opcodes", -1);
        if (line == -1) continue;
        if (!typeLines) typeLines = OpcodeLineFile::Open(TypeLinesFile);
        for (int32_t m : typeLines->ReadLine(line)) {
            if (!IsOpcodeNumber(m)) continue;  // no record to give the type to
            Items[m].Types.set(j);
            AppendTypeCaption(Items[m].TypeText, shortCaption);
        }
    }
}

const TOpcode& TOpcodesList::GetItem(int32_t n) const {
    if (!IsOpcodeNumber(n)) throw ERangeError("Opcode number " + OpcodeKey(n) + " is out of range");
    return Items[static_cast<std::size_t>(n)];
}
