#include "tools/klv-check/console.h"

#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <iostream>

#ifdef _WIN32
#define WIN32_LEAN_AND_MEAN
#include <windows.h>
// After windows.h, whose types it uses.
#include <shellapi.h>

#include "opcodes/files/file_names.h"
#endif

void PrepareConsole() {
    std::setlocale(LC_CTYPE, "");
#ifdef _WIN32
    // The console's code page is the console's, not the program's: it is given back at the
    // end, after the last output.
    static const UINT previous = ::GetConsoleOutputCP();
    if (previous != 0 && previous != CP_UTF8 && ::SetConsoleOutputCP(CP_UTF8))
        std::atexit([] {
            std::cout.flush();
            std::fflush(stdout);
            ::SetConsoleOutputCP(previous);
        });
#else
    std::setlocale(LC_MESSAGES, "");
#endif
}

std::vector<std::string> ProgramArguments(int argc, char** argv) {
#ifdef _WIN32
    int count = 0;
    if (wchar_t** wide = ::CommandLineToArgvW(::GetCommandLineW(), &count)) {
        std::vector<std::string> args;
        for (int i = 0; i < count; ++i)
            args.push_back(NarrowName(wide[i]));
        ::LocalFree(wide);
        return args;
    }
#endif
    return {argv, argv + argc};
}
