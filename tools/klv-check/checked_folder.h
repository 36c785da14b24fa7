#pragma once
// A data folder loaded for checking: each of the files read once, with the readers
// the program uses (TIniFile, OpcodeLineFile, the tree parser) and the positions the
// findings point at. The checks only read it.

#include <array>
#include <bitset>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "opcodes/category_tree.h"
#include "opcodes/database_files.h"
#include "opcodes/files/file_io.h"
#include "opcodes/ini_file.h"
#include "opcodes/opcode.h"
#include "opcodes/opcode_lines.h"
#include "opcodes/text_encoding.h"
#include "tools/klv-check/check_report.h"
#include "tools/klv-check/ini_index.h"

struct SourceFile {
    std::string name; // as the program opens it
    FileResult read;
    std::string bytes; // empty when it could not be read

    bool Readable() const { return read.ok(); }
    // Readable, but nothing in it besides blanks and line ends.
    bool Blank() const;
};

struct IniSource {
    explicit IniSource(std::string name);
    IniSource(const IniSource&) = delete; // the index points into `file.bytes`
    IniSource& operator=(const IniSource&) = delete;
    SourceFile file;
    TIniFile ini;   // what the program reads
    IniIndex index; // where it stands

    // The name of the section that a UTF-8 byte-order mark before it turns into a line the
    // reader passes over ("\xEF\xBB\xBF[Wiki]"), or empty.
    std::string_view SectionBehindMark() const;
};

struct LineSource {
    explicit LineSource(std::string name);
    SourceFile file;
    std::optional<OpcodeLineFile> lines; // none when the file cannot be read
    // What follows a byte 1A that ends the file early, read as lines, which the program
    // never reads; its first line is line `hiddenFrom` of the file (the rest of that line
    // when the byte stands inside it).
    std::optional<OpcodeLineFile> hidden;
    int32_t hiddenFrom = 0;

    // Whether line `number` lies past the end of the file only because of that byte.
    bool HiddenLine(int32_t number) const;
};

// An "Opcodes" key of a type or a node: which line of the line file it names.
struct LineReference {
    std::string section; // the type's section or the node's key
    int iniLine = 0;     // where its "Opcodes" key stands, 0 when it has none
    int32_t number = -1; // what ReadInteger gives: -1 for no line
};

// A line file and what names its lines: the types of TypeInfo.ini or the categories.
struct LineFileUse {
    DataFile infoFile, linesFile;
    const IniSource* info;
    const LineSource* lines;
    const std::vector<LineReference>* refs;
    const char* owner;      // "type" or "category"
    const char* name;       // "Types.Opcodes"
    std::size_t maxNumbers; // how many numbers of a line are read
    bool ownersKnown;       // whether the files that name the lines could be read as text
};

// The line a reference makes the program read (1 for 0 and below), or 0 for none.
int32_t LineRead(const LineReference& ref);
// Which lines of the line file the references name, by line number (index 0 unused);
// the file must be readable.
std::vector<bool> NamedLines(const LineFileUse& use);

class CheckedFolder {
  public:
    explicit CheckedFolder(const DatabaseFiles& files);
    CheckedFolder(const CheckedFolder&) = delete;
    CheckedFolder& operator=(const CheckedFolder&) = delete;

    IniSource opcodes, translation, typeInfo, nodeInfo, sites;
    LineSource typeLines, nodeLines;
    SourceFile tree;

    // Every line of the tree file makes an item; a line the program would stop at is
    // listed in treeErrors and placed one level below the item before it.
    std::vector<TreeItem> treeItems;
    std::vector<TreeLevelError> treeErrors;

    std::vector<std::string> typeSections; // ReadSections of TypeInfo.ini: one per type
    std::vector<LineReference> typeRefs;   // one per type the table reads (at most 256)
    std::vector<LineReference> nodeRefs;   // one per NodeInfo.ini section the tree names

    std::bitset<kOpcodeCount> defined; // the numbers whose key SASCM.ini holds

    std::array<EncodingGuess, kDataFileCount> encodings; // of each file, by DataFile
    // Whether the file is UTF-16, which the program reads as nothing it can use.
    bool Utf16(DataFile file) const;

    const SourceFile& File(DataFile file) const;
    // The file's INI reader and index, or null for the tree and the line files.
    const IniSource* Ini(DataFile file) const;
    std::array<LineFileUse, 2> LineFileUses() const;
};

// Names the program looks up.
inline constexpr const char* kOpcodesSection = "opcodes";
inline constexpr const char* kOpcodesKey = "Opcodes";
