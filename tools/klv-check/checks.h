#pragma once
// The checks of klv-check. Each looks at one kind of problem in a loaded folder and adds
// its findings to the report; none changes the folder or throws.

#include "tools/klv-check/check_report.h"
#include "tools/klv-check/checked_folder.h"

// What the program does without the file, when it goes on loading; empty for the tree.
const char* WithoutFile(DataFile file);

// A file among the seven that is missing, unreadable or empty; a Sites.ini that is there
// but unreadable.
void CheckFilesPresent(const CheckedFolder& folder, CheckReport& report);
// A file saved as UTF-8 or UTF-16, or with a byte-order mark, where the program reads
// Windows-1251.
void CheckEncodings(const CheckedFolder& folder, CheckReport& report);
// In each INI file: repeated sections and keys, lines the reader passes over, values
// longer than the reader returns.
void CheckIniLayout(const CheckedFolder& folder, CheckReport& report);

// In TypeInfo.ini, NodeInfo.ini and Sites.ini: keys that are never read, with the key
// that a misspelled one was meant to be.
void CheckUnreadKeys(const CheckedFolder& folder, CheckReport& report);
// Whether the sections of a file with such keys read `key`.
bool IsReadKey(DataFile file, std::string_view key);
// The key of the section at `sectionEntry` that misspells `key` ("Expaned" for
// "Expanded"), which the section then lacks for it, or null.
const IniEntry* MisspelledKey(const IniIndex& index, int sectionEntry, DataFile file,
                              std::string_view key);

// SASCM.ini and SASCM_RUS.ini: a missing [opcodes] section, keys that are never looked
// up, count parts that are not integers, opcodes without a translation.
void CheckOpcodeSections(const CheckedFolder& folder, CheckReport& report);
void CheckOpcodeKeys(const CheckedFolder& folder, CheckReport& report);
void CheckCountParts(const CheckedFolder& folder, CheckReport& report);
void CheckTranslations(const CheckedFolder& folder, CheckReport& report);

// TypeInfo.ini: more than 256 types, captions that are missing.
void CheckTypeCount(const CheckedFolder& folder, CheckReport& report);
void CheckTypeCaptions(const CheckedFolder& folder, CheckReport& report);

// Opcodes.tree and NodeInfo.ini: invalid levels, odd lines, keys without a section,
// sections without a caption or with an unreadable "Expanded", sections no key names.
void CheckTreeLevels(const CheckedFolder& folder, CheckReport& report);
void CheckTreeLines(const CheckedFolder& folder, CheckReport& report);
void CheckNodeSections(const CheckedFolder& folder, CheckReport& report);
void CheckUnnamedSections(const CheckedFolder& folder, CheckReport& report);

// The "Opcodes" keys of types and nodes: not a number, 0 and below, past the end.
void CheckLineReferences(const CheckedFolder& folder, CheckReport& report);
// Types.Opcodes and Nodes.Opcodes: line ends other than CR LF, the numbers of the lines
// that are read.
void CheckLineEnds(const CheckedFolder& folder, CheckReport& report);
void CheckNamedLines(const CheckedFolder& folder, CheckReport& report);
// Text of the line files that is never read (lines that nothing names, what follows an
// early end-of-file byte) with the opcodes that are then of no type or in no category,
// and the opcodes that no type or no category lists anyway.
void CheckUnreadText(const CheckedFolder& folder, CheckReport& report);

// Sites.ini: sections that are no look-up site, keys a site does not have, addresses
// that are not http:// or https:// (the built-in address is opened instead).
void CheckSites(const CheckedFolder& folder, CheckReport& report);
bool IsLookupSiteSection(std::string_view section);

// Listed opcodes that SASCM.ini does not define.
void CheckCoverage(const CheckedFolder& folder, CheckReport& report);
