// The INI reader over any bytes: every section the file names and every key its lines
// name are read back through each of the reader's calls.

#include <string>
#include <vector>

#include "fuzz/fuzz_support.h"
#include "opcodes/cp1251.h"
#include "opcodes/ini_file.h"

namespace {

constexpr std::size_t kMaxSections = 16;
constexpr std::size_t kMaxKeys = 32;

std::string_view TrimBlanks(std::string_view s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t'))
        s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t'))
        s.remove_suffix(1);
    return s;
}

// The names before "=" on the input's lines, plus the keys the program asks for.
std::vector<std::string> CandidateKeys(std::string_view bytes) {
    std::vector<std::string> keys{"Caption", "ShortCaption", "Opcodes", "Expanded", "Note", "00A1"};
    while (!bytes.empty() && keys.size() < kMaxKeys) {
        const std::size_t end = bytes.find_first_of("\r\n");
        const std::string_view line = bytes.substr(0, end);
        bytes.remove_prefix(end == std::string_view::npos ? bytes.size() : end + 1);
        const std::size_t eq = line.find('=');
        if (eq != std::string_view::npos)
            keys.emplace_back(TrimBlanks(line.substr(0, eq)));
    }
    return keys;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    const std::string_view bytes = InputBytes(data, size);
    WriteScratchFile("input.ini", bytes);
    const TIniFile ini((ScratchDir() / "input.ini").string());

    // Longer than any value the reader returns, so it cannot be mistaken for one.
    const std::string fallback(kIniMaxValueLength + 1, '?');
    const std::vector<std::string> keys = CandidateKeys(bytes);
    const std::vector<std::string> sections = ini.ReadSections();
    for (std::size_t i = 0; i < sections.size() && i < kMaxSections; ++i) {
        const std::string& section = sections[i];
        FUZZ_CHECK(ini.HasSection(section));
        FUZZ_CHECK(ini.HasSection(UpperLatin(section)));
        for (const std::string& key : keys) {
            const std::string value = ini.ReadString(section, key, fallback);
            const bool found = value != fallback;
            FUZZ_CHECK(found == ini.HasKey(section, key));
            FUZZ_CHECK(!found || value.size() <= kIniMaxValueLength);
            FUZZ_CHECK(ini.ReadString(UpperLatin(section), UpperLatin(key), fallback) == value);
            const int32_t number = ini.ReadInteger(section, key, -1);
            FUZZ_CHECK(found || number == -1);
            if (number != -1)
                FUZZ_CHECK(ini.ReadBool(section, key, false) == (number != 0));
        }
    }
    // A name that no line of the file can hold.
    FUZZ_CHECK(ini.ReadString("\r", "\n", "none") == "none");
    return 0;
}
