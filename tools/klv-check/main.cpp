// klv-check [FOLDER]: reads a data folder as KLV reads it at start-up and reports every
// problem at once, one line each.

#include <array>
#include <filesystem>
#include <iostream>
#include <string>
#include <string_view>

#include "kelpra_version.h"
#include "opcodes/database_files.h"
#include "opcodes/files/file_names.h"
#include "tools/klv-check/console.h"
#include "tools/klv-check/data_check.h"

namespace fs = std::filesystem;

namespace {

constexpr std::string_view kHelp =
    "Usage: klv-check [--] [FOLDER]\n"
    "       klv-check --help | --version\n"
    "\n"
    "Checks the data files of a KLV opcode database in FOLDER (the current directory\n"
    "when left out; it must hold the INI folder): INI/SASCM.ini, INI/SASCM_RUS.ini,\n"
    "INI/TypeInfo.ini, INI/Types.Opcodes, INI/Opcodes.tree, INI/NodeInfo.ini and\n"
    "INI/Nodes.Opcodes, read as KLV reads them at start-up, and the optional\n"
    "INI/Sites.ini of the web look-up, and reports every problem at once:\n"
    "\n"
    "  FILE:LINE: error: MESSAGE     start-up would stop here, or misread the data\n"
    "  FILE:LINE: warning: MESSAGE   it loads, but shows less or something odd\n"
    "\n"
    "LINE is left out where a problem concerns the whole file. Texts from the files\n"
    "(Windows-1251) are quoted in UTF-8. Causes come first: what concerns a whole file\n"
    "(its encoding, its absence), then errors, then warnings, each file in the order\n"
    "KLV loads them. A problem is told once, with what follows from it (the opcodes\n"
    "that a line nobody names would list, say). After three findings of one kind in a\n"
    "file the rest are counted (\"... and 52 more like this, lines 3-55\"). A last line\n"
    "counts the errors and warnings. \"--\" ends the options: a FOLDER after it may\n"
    "begin with \"-\".\n"
    "\n"
    "Encoding: KLV reads every file as Windows-1251 (CP1251). A file saved as UTF-8\n"
    "text, with a UTF-8 byte-order mark, or as UTF-16 (by its byte-order mark or its NUL\n"
    "bytes) is told once, with a command that converts it in place, for example\n"
    "iconv -f UTF-8 -t CP1251 F > F.tmp && mv F.tmp F; characters that Windows-1251\n"
    "cannot hold are named first, with their lines. UTF-8 text is an error in\n"
    "SASCM_RUS.ini, TypeInfo.ini and NodeInfo.ini, whose Russian texts KLV would show\n"
    "garbled, and a warning elsewhere; a UTF-16 file is an error (a warning for\n"
    "Sites.ini), and its other problems, which all follow from it, are left out.\n"
    "\n"
    "Errors: a parameter count in SASCM.ini that is not an integer; Opcodes.tree\n"
    "missing; Types.Opcodes missing while a type names a line of it; Nodes.Opcodes\n"
    "missing while the tree has categories; a tree line more than one level deeper\n"
    "than the line before it; a number on a line that is read which is not four\n"
    "hexadecimal digits; the encodings above.\n"
    "\n"
    "Warnings: other files missing or empty; no [opcodes] section; SASCM.ini keys that\n"
    "are never looked up (fewer than four digits, above 0AF0, not a number); repeated\n"
    "sections and keys (a repeated TypeInfo.ini section is one more type); INI lines\n"
    "that are never read, misspelled keys among them (\"did you mean Expanded?\"); values\n"
    "cut at 2047 characters or by a NUL byte; opcodes without a translation, in no\n"
    "category or of no type; listed opcodes that SASCM.ini does not define; more than\n"
    "256 types; types and categories without a caption; tree keys without a\n"
    "NodeInfo.ini section and sections no key names; an indented first tree line,\n"
    "empty tree lines; Expanded that is not a number; Opcodes that is not a number,\n"
    "below 1 or past the end of its line file; an empty line or numbers above 0AF0 on a\n"
    "line that is read, more than 2800 numbers on a category line; line ends other than\n"
    "CR LF and a 1A byte before the end of a line file; lines that nothing names; in\n"
    "Sites.ini, sections other than OpcodeBase, Wiki and IniEditor, an empty Caption\n"
    "(KLV shows its built-in name) and addresses that are not http:// or https:// (KLV\n"
    "opens its built-in address instead); a UTF-8 byte-order mark.\n"
    "\n"
    "Exit status:\n"
    "  0  no problems\n"
    "  1  warnings only\n"
    "  2  errors: KLV starts, but misreads the data\n"
    "  3  errors: KLV will not start (its start-up stops)\n"
    "  4  the folder could not be checked (no INI folder, an unreadable one, a wrong\n"
    "     command line)\n";

int Usage(std::string_view problem) {
    std::cerr << "klv-check: " << problem
              << "\nUsage: klv-check [--] [FOLDER]; klv-check --help explains.\n";
    return kExitNotChecked;
}

} // namespace

int main(int argc, char** argv) {
    // The system's texts (strerror) in the user's language and encoding, as KLV gets them.
    PrepareConsole();
    const std::vector<std::string> args = ProgramArguments(argc, argv);
    std::string folder;
    bool options = true; // until "--": what follows it is a folder, whatever its name
    for (std::size_t i = 1; i < args.size(); ++i) {
        const std::string_view arg = args[i];
        if (options && arg == "--") {
            options = false;
            continue;
        }
        if (options && (arg == "--help" || arg == "-h")) {
            std::cout << kHelp;
            return kExitClean;
        }
        if (options && arg == "--version") {
            std::cout << "klv-check (Kelpra) " KELPRA_VERSION "\n";
            return kExitClean;
        }
        if (options && arg.size() > 1 && arg.front() == '-')
            return Usage("unknown option " + std::string(arg));
        if (!folder.empty())
            return Usage("give one folder at most");
        folder = arg;
    }

    // The program names its files relative to its current directory: check from there.
    if (!folder.empty()) {
        std::error_code ec;
        fs::current_path(PathOf(folder), ec);
        if (ec) {
            std::cerr << "klv-check: cannot open the folder " << folder << ": " << ec.message()
                      << "\n";
            return kExitNotChecked;
        }
    }

    if (const std::string problem = MisplacedFolder(folder); !problem.empty()) {
        std::cerr << "klv-check: " << problem << "\n";
        return kExitNotChecked;
    }
    const CheckReport report = CheckDatabase(DatabaseFiles::ForCurrentDir(CurrentDir()));
    // Names as the user can open them from where klv-check was started.
    std::array<std::string, kDataFileCount> shown = report.fileNames;
    if (!folder.empty())
        for (std::string& name : shown)
            name = GenericName((PathOf(folder) / PathOf(name)).lexically_normal());
    for (const Finding& finding : report.findings)
        std::cout << FormatFinding(finding, shown[static_cast<std::size_t>(finding.file)]) << "\n";
    std::cout << "klv-check: " << FormatSummary(report) << "\n";
    return report.ExitStatus();
}
