// klv-check [FOLDER]: reads a data folder as KLV reads it at start-up and reports every
// problem at once, one line each.

#include <array>
#include <filesystem>
#include <iostream>
#include <string>
#include <string_view>

#include "opcodes/database_files.h"
#include "opcodes/files/file_names.h"
#include "tools/klv-check/console.h"
#include "tools/klv-check/data_check.h"

namespace fs = std::filesystem;

namespace {

constexpr std::string_view kHelp =
    "Usage: klv-check [--] [FOLDER]\n"
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
    "(Windows-1251) are quoted in UTF-8. A problem is told once, with what follows from\n"
    "it (the opcodes that a line nobody names would list, say). A last line counts the\n"
    "errors and warnings. \"--\" ends the options: a FOLDER after it may begin with \"-\".\n"
    "\n"
    "Encoding: KLV reads every file as Windows-1251 (CP1251). A file saved as UTF-8\n"
    "text, with a UTF-8 byte-order mark, or as UTF-16 (by its byte-order mark or its NUL\n"
    "bytes) is told once, with the command that converts it, for example\n"
    "iconv -f UTF-8 -t CP1251 FILE > FILE.new. UTF-8 text is an error in SASCM_RUS.ini,\n"
    "TypeInfo.ini and NodeInfo.ini, whose Russian texts KLV would show garbled, and a\n"
    "warning elsewhere; a UTF-16 file is an error (a warning for Sites.ini), and its\n"
    "other problems, which all follow from it, are left out.\n"
    "\n"
    "Errors: a parameter count in SASCM.ini that is not an integer; Opcodes.tree\n"
    "missing; Types.Opcodes missing while a type names a line of it; Nodes.Opcodes\n"
    "missing while the tree has categories; a tree line more than one level deeper\n"
    "than the line before it; a number on a line that is read which is not four\n"
    "hexadecimal digits; the encodings above.\n"
    "\n"
    "Warnings: other files missing or empty; no [opcodes] section; SASCM.ini keys that\n"
    "are never looked up (fewer than four digits, above 0AF0, not a number); repeated\n"
    "sections and keys; INI lines that are never read; values cut at 2047 characters;\n"
    "opcodes without a translation, in no category or of no type; listed opcodes that\n"
    "SASCM.ini does not define; more than 256 types; types and categories without a\n"
    "caption; tree keys without a NodeInfo.ini section and sections no key names; an\n"
    "indented first tree line, empty tree lines; Expanded that is not a number;\n"
    "Opcodes that is not a number, below 1 or past the end of its line file; an empty\n"
    "line or numbers above 0AF0 on a line that is read, more than 2800 numbers on a\n"
    "category line; line ends other than CR LF and a 1A byte before the end of a line\n"
    "file; lines that nothing names; in Sites.ini, sections other than OpcodeBase, Wiki\n"
    "and IniEditor, keys other than Caption and Address, an empty Caption (KLV shows\n"
    "its built-in name) and addresses that are not http:// or https:// (KLV opens its\n"
    "built-in address instead); a UTF-8 byte-order mark.\n"
    "\n"
    "Exit status: 0 no problems, 1 warnings only, 2 errors (or the folder cannot be\n"
    "checked, as when it holds no INI folder).\n";

constexpr int kCannotCheck = 2;

int Usage(std::string_view problem) {
    std::cerr << "klv-check: " << problem << "\nUsage: klv-check [--] [FOLDER]; klv-check --help explains.\n";
    return kCannotCheck;
}

}  // namespace

int main(int argc, char** argv) {
    // The system's texts (strerror) in the user's language and encoding, as KLV gets them.
    PrepareConsole();
    const std::vector<std::string> args = ProgramArguments(argc, argv);
    std::string folder;
    bool options = true;  // until "--": what follows it is a folder, whatever its name
    for (std::size_t i = 1; i < args.size(); ++i) {
        const std::string_view arg = args[i];
        if (options && arg == "--") {
            options = false;
            continue;
        }
        if (options && (arg == "--help" || arg == "-h")) {
            std::cout << kHelp;
            return 0;
        }
        if (options && arg.size() > 1 && arg.front() == '-')
            return Usage("unknown option " + std::string(arg));
        if (!folder.empty()) return Usage("give one folder at most");
        folder = arg;
    }

    // The program names its files relative to its current directory: check from there.
    if (!folder.empty()) {
        std::error_code ec;
        fs::current_path(PathOf(folder), ec);
        if (ec) {
            std::cerr << "klv-check: cannot open the folder " << folder << ": " << ec.message() << "\n";
            return kCannotCheck;
        }
    }

    if (const std::string problem = MisplacedFolder(folder); !problem.empty()) {
        std::cerr << "klv-check: " << problem << "\n";
        return kCannotCheck;
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
