#pragma once
// What a command-line program needs of its system before it reads its arguments and
// writes to the console.

#include <string>
#include <vector>

// The system's texts (strerror) in the user's language, and on Windows a console that
// shows the UTF-8 output as it is, Cyrillic included.
void PrepareConsole();

// The program's arguments in its narrow text: as given on POSIX, UTF-8 on Windows
// (from the wide command line, whatever the ANSI code page holds).
std::vector<std::string> ProgramArguments(int argc, char** argv);
