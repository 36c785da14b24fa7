// The opcode line reader over any bytes: lines at the edges of the file and beyond it,
// with and without the 2800-number cap, from memory and from the file itself.

#include <algorithm>
#include <climits>
#include <string>
#include <vector>

#include "fuzz/fuzz_support.h"
#include "opcodes/categories.h"
#include "opcodes/opcode_lines.h"

namespace {

// The line numbers worth reading for a file of `count` lines; two come from the input so
// the fuzzer can steer them anywhere.
std::vector<int32_t> LineNumbers(std::string_view bytes, int32_t count) {
    std::vector<int32_t> numbers{INT32_MIN, -1, 0, 1, 2, count - 1, count, count + 1, INT32_MAX};
    if (bytes.size() >= 2)
        numbers.push_back(static_cast<unsigned char>(bytes[0]) % (count + 2));
    if (bytes.size() >= 4)
        numbers.push_back(HexToInt(bytes.substr(0, 4)));
    return numbers;
}

void CheckLine(const OpcodeLineFile& file, int32_t lineNumber) {
    const std::string_view text = file.LineText(lineNumber);
    FUZZ_CHECK(text.find_first_of(std::string_view("\r\n\x1A", 3)) == std::string_view::npos);

    const std::vector<int32_t> numbers = file.ReadLine(lineNumber);
    FUZZ_CHECK(numbers.size() == std::max<std::size_t>(1, (text.size() + 4) / 5));
    // Four hexadecimal places at most, whatever the characters.
    for (int32_t n : numbers)
        FUZZ_CHECK(n >= 0 && n <= 0xFFFF);

    const std::vector<int32_t> capped = file.ReadLine(lineNumber, kMaxNodeOpcodes);
    FUZZ_CHECK(capped.size() == std::min<std::size_t>(numbers.size(), kMaxNodeOpcodes));
    FUZZ_CHECK(std::equal(capped.begin(), capped.end(), numbers.begin()));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    const std::string_view bytes = InputBytes(data, size);
    const OpcodeLineFile file = OpcodeLineFile::FromBytes(std::string(bytes));
    FUZZ_CHECK(file.LineCount() <= bytes.size());
    const auto count = static_cast<int32_t>(file.LineCount());
    for (int32_t lineNumber : LineNumbers(bytes, count))
        CheckLine(file, lineNumber);

    // The same bytes read from a file give the same numbers.
    WriteScratchFile("input.opcodes", bytes);
    const std::string name = (ScratchDir() / "input.opcodes").string();
    FUZZ_CHECK(ReadOpcodeLine(name, count) == file.ReadLine(count));
    return 0;
}
