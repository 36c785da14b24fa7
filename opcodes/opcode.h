#pragma once
// The opcode table: one record for every opcode number 0000..0AF0, built once at start
// from SASCM.ini, SASCM_RUS.ini, TypeInfo.ini and Types.Opcodes and only read afterwards.

#include <bitset>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "opcodes/files/file_io.h"

class TIniFile;

inline constexpr int32_t kMaxOpcode = 0x0AF0;           // the highest opcode number
inline constexpr int32_t kOpcodeCount = kMaxOpcode + 1; // 2801 records
inline constexpr int kMaxTypes = 256;                   // type indices 0..255
// The longest type column text. Nobody reads further in a list column, and without a
// bound a long type line named by many types with long captions would copy captions
// into the records without end (gigabytes from a file of a megabyte).
inline constexpr std::size_t kMaxTypeTextLength = 4096;

// Texts of the opcode database (Windows-1251).
extern const std::string kDefaultOpcodeValue; // "0, ???"
extern const std::string kMissingTypeCaption; // "ОТСУТСТВУЕТ В TYPEINFO.INI"
extern const std::string kVariableParamCount; // "до 255"

// One opcode's record. Its texts view bytes that its table holds: a record is good for as
// long as the table it came from.
struct TOpcode {
    std::string_view Text;      // "00A1: " + text part of the SASCM.ini value
    std::string_view RusText;   // text part of the SASCM_RUS.ini value
    int32_t ParamCount = 0;     // -1 for a variable number of parameters
    std::string ParamCountText; // count part, a blank before counts below 10, "до 255" for -1
    std::bitset<kMaxTypes> Types;
    std::string_view
        TypeText; // each type's short caption followed by ", ", cut at kMaxTypeTextLength
};

class TOpcodesList {
  public:
    // Builds the whole table. Throws EConvertError for a count part that is not an
    // integer and EInOutError when the type line file is needed but cannot be read.
    TOpcodesList(const std::string& OpcodesFile, const std::string& TranslationFile,
                 const std::string& TypeInfoFile, const std::string& TypeLinesFile);
    // The same with TypeInfo.ini already open, for a reader that also lists its types.
    TOpcodesList(const std::string& OpcodesFile, const std::string& TranslationFile,
                 const TIniFile& TypeInfo, const std::string& TypeLinesFile);
    // Moved, the records keep their texts; a copy would view the first table's.
    TOpcodesList(TOpcodesList&&) noexcept = default;
    TOpcodesList& operator=(TOpcodesList&&) noexcept = default;
    TOpcodesList(const TOpcodesList&) = delete;
    TOpcodesList& operator=(const TOpcodesList&) = delete;

    // The record of opcode number n. Numbers outside 0000..0AF0 have none: ERangeError.
    const TOpcode& GetItem(int32_t n) const;

    static bool IsOpcodeNumber(int32_t n) { return n >= 0 && n <= kMaxOpcode; }
    // Whether SASCM.ini has the number's key: the others show the default text.
    bool Defined(int32_t n) const {
        return IsOpcodeNumber(n) && DefinedNumbers[static_cast<std::size_t>(n)];
    }

  private:
    // The records' texts, without an allocation per record. Text and RusText view the
    // INI files' bytes (or their texts alone, for a file mostly made of other things):
    // each Text's "00A1: " is written over the key and count part in front of its text
    // part, which the table no longer needs once it has read them.
    FileBytes OpcodeBytes;
    FileBytes TranslationBytes;
    std::unique_ptr<char[]> DefaultTexts; // the Texts of opcodes without a key
    std::unique_ptr<char[]> TypeTexts;    // TypeText, one block
    std::vector<TOpcode> Items;           // index = opcode number
    std::bitset<kOpcodeCount> DefinedNumbers;
};

// The opcode number as four upper-case hexadecimal digits ("00A1").
std::string OpcodeKey(int32_t n);

// The SASCM.ini value split at its first comma into the record's texts; TextPart views
// `value`. Throws EConvertError when the count part is not a signed decimal integer.
struct OpcodeDefinition {
    int32_t ParamCount = 0;
    std::string ParamCountText;
    std::string_view TextPart;
};
OpcodeDefinition SplitOpcodeDefinition(std::string_view value);
// What the translation shows: everything after the first comma, or the whole value.
std::string_view TranslationText(std::string_view value);
