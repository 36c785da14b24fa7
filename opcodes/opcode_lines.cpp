#include "opcodes/opcode_lines.h"

#include <algorithm>

#include "opcodes/errors.h"
#include "opcodes/files/file_io.h"
#include "opcodes/line_ends.h"

namespace {

constexpr char kEndOfFile = '\x1A';

// The value of every pair of characters as two hexadecimal digits, indexed by the pair's
// bytes as they stand (the first in the low byte): a number's four digits are two
// look-ups instead of four.
struct HexPairValues {
    uint8_t value[65536]{};
    constexpr HexPairValues() {
        for (unsigned first = 0; first < 256; ++first)
            for (unsigned second = 0; second < 256; ++second)
                value[first | second << 8] =
                    static_cast<uint8_t>((kHexDigitValues.value[first] & 0xFu) << 4 |
                                         (kHexDigitValues.value[second] & 0xFu));
    }
};
constexpr HexPairValues kHexPairs;

} // namespace

int32_t HexToInt(std::string_view text) {
    uint32_t value = 0;
    for (char ch : text)
        value = value * 16u + (HexDigitValue(ch) & 0xFu);
    return static_cast<int32_t>(value);
}

namespace {

// Every number a line can hold fits in 16 bits: four digits at most.
template <typename Number>
void ParseNumbers(std::string_view line, std::vector<Number>& numbers, std::size_t maxNumbers) {
    // Whole groups first, four digits each without a loop; then the short last group
    // (or the single empty group of an empty line).
    const std::size_t whole = line.size() / kOpcodeGroupLength;
    const bool shortLast = line.size() % kOpcodeGroupLength != 0 || line.empty();
    const std::size_t count = std::min(whole + (shortLast ? 1 : 0), maxNumbers);
    numbers.resize(count);
    const auto pair = [](const unsigned char* at) {
        return uint32_t{kHexPairs.value[at[0] | at[1] << 8]};
    };
    const auto* d = reinterpret_cast<const unsigned char*>(line.data());
    Number* out = numbers.data();
    Number* const end = out + std::min(whole, count);
    for (; out != end; ++out, d += kOpcodeGroupLength)
        *out = static_cast<Number>(pair(d) << 8 | pair(d + 2));
    if (count > whole)
        *out = static_cast<Number>(
            HexToInt(line.substr(whole * kOpcodeGroupLength, kOpcodeGroupLength - 1)));
}

} // namespace

void ParseOpcodeLine(std::string_view line, std::vector<int32_t>& numbers, std::size_t maxNumbers) {
    ParseNumbers(line, numbers, maxNumbers);
}

void ParseOpcodeLine(std::string_view line, std::vector<uint16_t>& numbers,
                     std::size_t maxNumbers) {
    ParseNumbers(line, numbers, maxNumbers);
}

std::vector<int32_t> ParseOpcodeLine(std::string_view line, std::size_t maxNumbers) {
    std::vector<int32_t> numbers;
    ParseOpcodeLine(line, numbers, maxNumbers);
    return numbers;
}

OpcodeLineFile::OpcodeLineFile(FileBytes bytes) : bytes_(std::move(bytes)), text_(bytes_.view()) {
    text_ = text_.substr(0, text_.find(kEndOfFile));
    for (std::size_t start = 0; start < text_.size();) {
        const std::size_t end = std::min(FindLongLineEnd(text_, start), text_.size());
        lineStarts_.push_back(start);
        lineEnds_.push_back(end);
        start = end == text_.size() ? end : SkipLineEnd(text_, end);
    }
}

OpcodeLineFile OpcodeLineFile::Open(const std::string& fileName) {
    FileBytes bytes;
    const FileResult result = ReadWholeFile(fileName, bytes);
    if (!result.ok())
        throw EInOutError(InOutErrorMessage(result));
    return OpcodeLineFile(std::move(bytes));
}

OpcodeLineFile OpcodeLineFile::FromBytes(std::string_view bytes) {
    FileBytes copy;
    copy.Resize(bytes.size());
    std::copy(bytes.begin(), bytes.end(), copy.data());
    return OpcodeLineFile(std::move(copy));
}

std::string_view OpcodeLineFile::LineText(int32_t lineNumber) const {
    const std::size_t index = lineNumber <= 1 ? 0 : static_cast<std::size_t>(lineNumber) - 1;
    if (index >= lineStarts_.size())
        return {};
    return text_.substr(lineStarts_[index], lineEnds_[index] - lineStarts_[index]);
}

std::vector<int32_t> OpcodeLineFile::ReadLine(int32_t lineNumber, std::size_t maxNumbers) const {
    return ParseOpcodeLine(LineText(lineNumber), maxNumbers);
}

void OpcodeLineFile::ReadLine(int32_t lineNumber, std::vector<int32_t>& numbers) const {
    ParseOpcodeLine(LineText(lineNumber), numbers);
}

void OpcodeLineFile::ReadLine(int32_t lineNumber, std::vector<uint16_t>& numbers,
                              std::size_t maxNumbers) const {
    ParseOpcodeLine(LineText(lineNumber), numbers, maxNumbers);
}

std::vector<int32_t> ReadOpcodeLine(const std::string& fileName, int32_t lineNumber) {
    return OpcodeLineFile::Open(fileName).ReadLine(lineNumber);
}
