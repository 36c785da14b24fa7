#pragma once
// klv-check's whole run over a data folder: load it as the program does, run every check.

#include "opcodes/database_files.h"
#include "tools/klv-check/check_report.h"

// Checks the files the program would open under these names. Findings name the files
// relative to the current directory ("INI/SASCM.ini"), sorted by file and line. Never
// throws for anything found in the files.
CheckReport CheckDatabase(const DatabaseFiles& files);
