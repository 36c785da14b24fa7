#pragma once
// klv-check's whole run over a data folder: load it as the program does, run every check.

#include "opcodes/database_files.h"
#include "tools/klv-check/check_report.h"

// Checks the files the program would open under these names. Findings name the files
// relative to the current directory ("INI/SASCM.ini"), causes first. Never
// throws for anything found in the files.
CheckReport CheckDatabase(const DatabaseFiles& files);

// Why the current directory cannot be checked, given on the command line as `folder`
// (empty for none): it holds no INI folder, or one that cannot be read, so every file
// would be told as missing. When it is an INI folder itself, its parent is named as the
// folder to give. Empty when it holds a readable one.
std::string MisplacedFolder(const std::string& folder);
