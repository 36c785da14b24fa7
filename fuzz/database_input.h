#pragma once
// A fuzz input as a data folder: the bytes are cut at a marker into the seven data files,
// in the order the program loads them; files after the last part are missing.

#include <string_view>

#include "opcodes/database_files.h"

// Also in database.dict, so the fuzzer can cut and join files.
inline constexpr std::string_view kDatabaseFileMarker = "\x1F"
                                                        "KELPRA\x1F";

// Writes the files into the scratch folder's INI folder.
void LayOutDatabase(std::string_view bytes);

// The program's names for them, the scratch folder standing for the current directory
// (the fuzzer's own paths stay relative to the real one).
DatabaseFiles ScratchDatabaseFiles();
