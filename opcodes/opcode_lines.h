#pragma once
// Opcode line files (Types.Opcodes, Nodes.Opcodes): each line lists opcode numbers of
// five characters, four hexadecimal digits and one separator; the last number may stand
// without its separator. A line ends at CR, LF or CR LF; a byte 1A ends the file.

#include <cstddef>
#include <cstdint>
#include <limits>
#include <string>
#include <string_view>
#include <vector>

#include "opcodes/files/file_io.h"

// Sum of value(c) * 16^(n-i), 32-bit arithmetic. "0".."9", "A".."F", "a".."f" are the
// digits; any other character counts as 0. The empty text gives 0.
int32_t HexToInt(std::string_view text);
// The value of each character as a hexadecimal digit ("0".."9", "A".."F", "a".."f"),
// 16 for any other: masked with 0xF that counts as 0.
struct HexDigitValues {
    unsigned char value[256]{};
    constexpr HexDigitValues() {
        for (unsigned char& v : value)
            v = 16;
        for (int c = '0'; c <= '9'; ++c)
            value[c] = static_cast<unsigned char>(c - '0');
        for (int c = 'A'; c <= 'F'; ++c)
            value[c] = static_cast<unsigned char>(c - 'A' + 10);
        for (int c = 'a'; c <= 'f'; ++c)
            value[c] = static_cast<unsigned char>(c - 'a' + 10);
    }
};
inline constexpr HexDigitValues kHexDigitValues;

inline unsigned HexDigitValue(char ch) {
    return kHexDigitValues.value[static_cast<unsigned char>(ch)];
}
inline bool IsHexDigit(char ch) {
    return HexDigitValue(ch) < 16;
}

// The characters of one number: four hexadecimal digits and one separator.
inline constexpr std::size_t kOpcodeGroupLength = 5;

// Calls visit(digits, offset) for each number of one line's text (without its line end):
// `digits` is the group's first four characters (fewer at the end of the line), `offset`
// where the group starts. An empty line is one empty group. Stops early when `visit`
// returns false.
template <typename Visit> void ForEachOpcodeGroup(std::string_view line, Visit&& visit) {
    std::size_t offset = 0;
    do {
        const std::string_view group = line.substr(offset, kOpcodeGroupLength);
        if (!visit(group.substr(0, kOpcodeGroupLength - 1), offset))
            return;
        offset += group.size();
    } while (offset < line.size());
}

// The numbers of one line's text (without its line end), at most maxNumbers of them.
// An empty line gives the single number 0.
std::vector<int32_t>
ParseOpcodeLine(std::string_view line,
                std::size_t maxNumbers = std::numeric_limits<std::size_t>::max());
// The same into `numbers` (replacing what it held), for a reader that reuses one buffer.
void ParseOpcodeLine(std::string_view line, std::vector<int32_t>& numbers,
                     std::size_t maxNumbers = std::numeric_limits<std::size_t>::max());
// The same in 16 bits, which every number of a line fits in (four digits at most).
void ParseOpcodeLine(std::string_view line, std::vector<uint16_t>& numbers, std::size_t maxNumbers);

// A line file read once; its lines are then looked up by number without rereading.
class OpcodeLineFile {
  public:
    // Reads the file. Throws EInOutError ("File not found", "Invalid filename", ...).
    static OpcodeLineFile Open(const std::string& fileName);
    // A file held in memory (tests, checks).
    static OpcodeLineFile FromBytes(std::string_view bytes);

    // The numbers of line `lineNumber` counted from 1; 1 or less reads the first line,
    // a line beyond the end of the file gives the single number 0.
    std::vector<int32_t>
    ReadLine(int32_t lineNumber,
             std::size_t maxNumbers = std::numeric_limits<std::size_t>::max()) const;
    void ReadLine(int32_t lineNumber, std::vector<int32_t>& numbers) const;
    // The same in 16 bits, which every number of a line fits in.
    void ReadLine(int32_t lineNumber, std::vector<uint16_t>& numbers, std::size_t maxNumbers) const;

    // The raw text of a line (without its line end); empty beyond the end of the file.
    std::string_view LineText(int32_t lineNumber) const;
    // How many lines the file holds (a final line end adds no line).
    std::size_t LineCount() const { return lineStarts_.size(); }

  private:
    explicit OpcodeLineFile(FileBytes bytes);

    FileBytes bytes_;
    std::string_view text_;               // the bytes up to, not including, the first 1A
    std::vector<std::size_t> lineStarts_; // offset of each line
    std::vector<std::size_t> lineEnds_;   // offset of each line's end
};

// One line of a line file, opened afresh for the call.
std::vector<int32_t> ReadOpcodeLine(const std::string& fileName, int32_t lineNumber);
