#include "opcodes/lookup_command.h"

#include <ostream>

#include "opcodes/categories.h"
#include "opcodes/category_tree.h"
#include "opcodes/cp1251.h"
#include "opcodes/database_files.h"
#include "opcodes/errors.h"
#include "opcodes/files/file_names.h"
#include "opcodes/ini_file.h"

const std::string_view kKlvHelp =
    "Usage: KLV [--show WHAT | --print WHAT]\n"
    "\n"
    "Shows the opcode database of the INI folder under the current directory. Without\n"
    "an option it opens a new window.\n"
    "\n"
    "  --show WHAT    show WHAT in the window open on this folder, which comes to the\n"
    "                 front; with none open, a new window starts and shows it\n"
    "  --print WHAT   print the records of WHAT, without a window or a display\n"
    "  -h, --help     print this text\n"
    "\n"
    "WHAT is an opcode number of one to four hexadecimal digits in any case, with or\n"
    "without 0x (a8c, 0A8C and 0x0a8c are one number), or else a text that the\n"
    "opcodes' captions contain, Latin letters in any case, as the quick search finds it.\n"
    "The window chooses the first category, in the tree's order, that lists a matching\n"
    "row, and selects that row; the status bar says so when none does. --print prints\n"
    "every defined opcode that matches, in number order, one paragraph each in UTF-8:\n"
    "its caption, parameter count, Russian text, types and the categories that list it.\n"
    "\n"
    "Exit status: 0 shown, or printed something; 1 --print found nothing, or the\n"
    "window open on the folder did not take the look-up; 2 a bad command line, or\n"
    "--print cannot load the folder (the error on standard error).\n";

namespace {

// The value of an option at `i`, given as "--name=VALUE" or "--name VALUE"; advances `i`
// past what it takes. Nothing when the argument is not that option.
std::optional<std::string_view> OptionValue(std::span<const std::string_view> args, std::size_t& i,
                                            std::string_view name, std::string& error) {
    const std::string_view arg = args[i];
    if (!arg.starts_with(name))
        return std::nullopt;
    const std::string_view rest = arg.substr(name.size());
    if (rest.starts_with("="))
        return rest.substr(1);
    if (!rest.empty())
        return std::nullopt;
    if (i + 1 == args.size()) {
        error = std::string(name) + " needs an opcode number or a text";
        return std::string_view();
    }
    return args[++i];
}

} // namespace

KlvCommand ParseKlvCommand(std::span<const std::string_view> args) {
    KlvCommand command;
    const auto fail = [&](std::string error) {
        command.error = std::move(error);
        return command;
    };
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string_view arg = args[i];
        if (arg == "-h" || arg == "--help") {
            command.action = KlvCommand::Action::Help;
            continue;
        }
        std::string error;
        KlvCommand::Action action = KlvCommand::Action::Show;
        std::optional<std::string_view> value = OptionValue(args, i, "--show", error);
        if (!value) {
            action = KlvCommand::Action::Print;
            value = OptionValue(args, i, "--print", error);
        }
        if (!error.empty())
            return fail(error);
        if (!value) {
            if (arg.starts_with("-"))
                return fail("unknown option " + std::string(arg));
            return fail("unexpected argument " + std::string(arg) +
                        " (KLV reads the folder it starts in; kelpra FOLDER starts it in another)");
        }
        if (command.action == KlvCommand::Action::Show ||
            command.action == KlvCommand::Action::Print)
            return fail("give one --show or --print, not two");
        LookupParse parse = ParseLookup(*value);
        if (!parse.query)
            return fail(parse.error);
        command.what = *value;
        command.query = std::move(*parse.query);
        if (command.action != KlvCommand::Action::Help)
            command.action = action;
    }
    // The usage text stands alone.
    if (command.action == KlvCommand::Action::Help && !command.what.empty())
        return fail("--help goes alone");
    return command;
}

int PrintLookup(const KlvCommand& command, std::ostream& out, std::ostream& err) {
    std::vector<std::string> typeCaptions;
    std::vector<CategoryInfo> categories;
    std::optional<TOpcodesList> opcodes;
    try {
        const DatabaseFiles files = DatabaseFiles::ForCurrentDir(CurrentDir());
        const TIniFile typeInfo(files.TypeInfo);
        opcodes.emplace(files.Opcodes, files.Translation, typeInfo, files.TypeLines);
        typeCaptions = ReadTypeCaptions(typeInfo);
        std::vector<TreeItem> items;
        ReadCategoryTree(files.Tree, items);
        categories = ReadCategories(items, files.NodeInfo, files.NodeLines);
    } catch (const Exception& e) {
        // The error box's message, as the English window words it.
        err << "KLV: An unexpected error occurred: \"" << Cp1251ToUtf8(e.Message()) << "\" (class "
            << e.ClassName() << ").\n";
        return kLookupUnusable;
    } catch (const std::exception& e) {
        err << "KLV: the database cannot be loaded: " << e.what() << "\n";
        return kLookupUnusable;
    }
    const std::vector<int32_t> numbers = MatchingOpcodes(*opcodes, command.query);
    for (std::size_t i = 0; i < numbers.size(); ++i)
        out << (i == 0 ? "" : "\n")
            << Cp1251ToUtf8(LookupRecord(*opcodes, numbers[i], typeCaptions, categories));
    out.flush();
    if (numbers.empty()) {
        err << "KLV: no opcode matches " << command.what << "\n";
        return kLookupNothing;
    }
    return kLookupFound;
}
