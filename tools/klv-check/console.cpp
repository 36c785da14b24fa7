#include "tools/klv-check/console.h"

#include <clocale>

#ifdef _WIN32
#define WIN32_LEAN_AND_MEAN
#include <windows.h>
#include <shellapi.h>

#include "opcodes/files/file_names.h"
#endif

void PrepareConsole() {
    std::setlocale(LC_CTYPE, "");
#ifdef _WIN32
    ::SetConsoleOutputCP(CP_UTF8);
#else
    std::setlocale(LC_MESSAGES, "");
#endif
}

std::vector<std::string> ProgramArguments(int argc, char** argv) {
#ifdef _WIN32
    int count = 0;
    if (wchar_t** wide = ::CommandLineToArgvW(::GetCommandLineW(), &count)) {
        std::vector<std::string> args;
        for (int i = 0; i < count; ++i) args.push_back(NarrowName(wide[i]));
        ::LocalFree(wide);
        return args;
    }
#endif
    return {argv, argv + argc};
}
