#include "opcodes/errors.h"
#include "tools/klv-check/checks.h"

namespace {

// The key as an opcode number when it is four hexadecimal digits, or -1.
int32_t FourDigitNumber(std::string_view key) {
    if (key.size() != 4)
        return -1;
    for (char ch : key)
        if (!IsHexDigit(ch))
            return -1;
    return HexToInt(key);
}

bool AllHexDigits(std::string_view key) {
    for (char ch : key)
        if (!IsHexDigit(ch))
            return false;
    return !key.empty();
}

// The program looks up exactly the keys 0000..0AF0, four digits, in any letter case.
void CheckKeysOf(const IniSource& source, DataFile file, CheckReport& report) {
    const IniIndex& index = source.index;
    for (const IniEntry* key : index.KeysOf(index.FindSection(kOpcodesSection))) {
        if (index.FindKey(kOpcodesSection, key->name) != key)
            continue; // a repeat: told apart
        const int32_t number = FourDigitNumber(key->name);
        if (number > kMaxOpcode)
            report.Warn(file, key->line,
                        "opcode " + Quote(key->name) + " is above 0AF0 and is never looked up");
        else if (number < 0 && key->name.size() < 4 && AllHexDigits(key->name))
            report.Warn(file, key->line,
                        "key " + Quote(key->name) +
                            " has fewer than four digits and is never looked up (write " +
                            std::string(4 - key->name.size(), '0') + std::string(key->name) + ")");
        else if (number < 0)
            report.Warn(
                file, key->line,
                "key " + Quote(key->name) +
                    " is not a four-digit hexadecimal opcode number and is never looked up");
    }
}

} // namespace

void CheckOpcodeSections(const CheckedFolder& folder, CheckReport& report) {
    const auto check = [&](const IniSource& source, DataFile file, const char* consequence) {
        if (source.file.Readable() && !source.file.Blank() &&
            source.index.FindSection(kOpcodesSection) < 0)
            report.Warn(file, 0, std::string("there is no [opcodes] section: ") + consequence);
    };
    check(folder.opcodes, DataFile::Opcodes, "every opcode shows \"???\"");
    check(folder.translation, DataFile::Translation, "no opcode has a Russian text");
}

void CheckOpcodeKeys(const CheckedFolder& folder, CheckReport& report) {
    CheckKeysOf(folder.opcodes, DataFile::Opcodes, report);
    CheckKeysOf(folder.translation, DataFile::Translation, report);
}

void CheckCountParts(const CheckedFolder& folder, CheckReport& report) {
    for (int32_t n = 0; n < kOpcodeCount; ++n) {
        if (!folder.defined.test(static_cast<std::size_t>(n)))
            continue;
        const std::string key = OpcodeKey(n);
        try {
            SplitOpcodeDefinition(
                folder.opcodes.ini.ReadString(kOpcodesSection, key, kDefaultOpcodeValue));
        } catch (const EConvertError& e) {
            report.Stop(DataFile::Opcodes, folder.opcodes.index.KeyLine(kOpcodesSection, key),
                        "the parameter count of opcode " + key + " is not an integer (" +
                            Printable(e.Message(), 80) + "); start-up stops here");
        }
    }
}

void CheckTranslations(const CheckedFolder& folder, CheckReport& report) {
    if (folder.translation.index.FindSection(kOpcodesSection) < 0)
        return; // told as a whole
    for (int32_t n = 0; n < kOpcodeCount; ++n) {
        if (!folder.defined.test(static_cast<std::size_t>(n)))
            continue;
        const std::string key = OpcodeKey(n);
        if (!folder.translation.ini.HasKey(kOpcodesSection, key))
            report.Warn(DataFile::Opcodes, folder.opcodes.index.KeyLine(kOpcodesSection, key),
                        "opcode " + key +
                            " has no translation in SASCM_RUS.ini; it shows \" ???\"");
    }
}
