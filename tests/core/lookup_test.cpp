// A look-up from outside: KLV's command line, what a look-up means, where the window shows
// it under the type filter, and what --print prints, over one small crafted database.

#include <gtest/gtest.h>

#include <sstream>

#include "opcodes/cp1251.h"
#include "opcodes/files/file_names.h"
#include "opcodes/lookup_command.h"
#include "tests/support/start_up_load.h"
#include "tests/support/temp_dir.h"

namespace {

// The tree in order: All (no line), First, Second, Third (Second's line again).
// Types: 0 Actions, 1 Checks; 0004 has none, 0005 no key in SASCM.ini.
void WriteDatabase(const TempDir& dir) {
    dir.WriteCp1251("INI/SASCM.ini",
                    "[OPCODES]\n0000=0,nop\n0001=1,wait %1d% ms\n0002=-1,start %1p%\n"
                    "0003=2,Wait actor\n0004=0,untyped wait\n0A8C=4,write_memory\n");
    dir.WriteCp1251("INI/SASCM_RUS.ini", "[OPCODES]\n0001=1,ждать %1d% мс\n");
    dir.WriteCp1251("INI/TypeInfo.ini", "[Actions]\nCaption=Действия\nShortCaption=Д\nOpcodes=1\n\n"
                                        "[Checks]\nCaption=Проверки\nShortCaption=П\nOpcodes=2\n");
    dir.WriteCp1251("INI/Types.Opcodes", "0000 0001 0A8C\n0002 0003\n");
    dir.WriteCp1251("INI/Opcodes.tree", "All\n\tFirst\n\tSecond\n\tThird\n");
    dir.WriteCp1251("INI/NodeInfo.ini",
                    "[All]\nCaption=Все\n\n[First]\nCaption=Первая\nOpcodes=1\n\n"
                    "[Second]\nCaption=Вторая\nOpcodes=2\n\n[Third]\nCaption=Третья\nOpcodes=2\n");
    dir.WriteCp1251("INI/Nodes.Opcodes", "0002 0003 0001\n0000 0A8C 0001 0004 0005\n");
}

struct LookupCase {
    std::vector<std::string_view> args;
    TypeTicks ticked;
    // "error: MESSAGE", or the action, the query, the window's hit as "at CATEGORY:ROW" (or
    // "at none") and the opcodes --print prints.
    std::string expected;
};

const TypeTicks kAll("11"), kActions("01"), kChecks("10");

const LookupCase kCases[] = {
    {{}, kAll, "window"},
    {{"--help"}, kAll, "help"},
    {{"-h", "--show", "1"}, kAll, "error: --help goes alone"},
    // Numbers: one to four digits, any case, with or without 0x; leading zeros are no digits.
    {{"--show", "a8c"}, kAll, "show 0A8C at 2:1 prints 0A8C"},
    {{"--show=0x0a8c"}, kAll, "show 0A8C at 2:1 prints 0A8C"},
    {{"--print", "0X0001"}, kAll, "print 0001 at 1:2 prints 0001"},
    {{"--print=000000001"}, kAll, "print 0001 at 1:2 prints 0001"},
    {{"--show", "FFFF"}, kAll, "show FFFF at none prints -"},
    {{"--show", "10000"}, kAll, "error: 10000 is beyond FFFF, the highest opcode number"},
    {{"--show", "0x1a8c0"}, kAll, "error: 0x1a8c0 is beyond FFFF, the highest opcode number"},
    // The filter: rows it hides are no hits, and the rows before the hit count only if shown.
    {{"--show", "1"}, kActions, "show 0001 at 1:0 prints 0001"},
    {{"--show", "a8c"}, kChecks, "show 0A8C at none prints 0A8C"},
    {{"--show", "4"}, kAll, "show 0004 at none prints 0004"},
    {{"--show", "5"}, kAll, "show 0005 at none prints -"},
    // Texts: Latin letters in any case, the first row in tree order, then in list order.
    {{"--show", "wait"}, kAll, "show text 'wait' at 1:1 prints 0001 0003 0004"},
    {{"--print", "WAIT"}, kActions, "print text 'WAIT' at 1:0 prints 0001 0003 0004"},
    {{"--show", "0x"}, kAll, "show text '0x' at none prints -"},
    {{"--show", "0x1g"}, kAll, "show text '0x1g' at none prints -"},
    {{"--show", " %1p"}, kAll, "show text ' %1p' at 1:0 prints 0002"},
    {{"--show", "ждать"}, kAll, "show text 'ждать' at none prints -"},
    {{"--show", "漢"}, kAll, "show text '' at none prints -"},
    // Bad command lines.
    {{"--show", ""}, kAll, "error: the opcode or text to look up is empty"},
    {{"--show=a\nb"}, kAll, "error: the text to look up holds a line break"},
    {{"--print", "a\r"}, kAll, "error: the text to look up holds a line break"},
    {{"--show"}, kAll, "error: --show needs an opcode number or a text"},
    {{"--show", "1", "--print", "1"}, kAll, "error: give one --show or --print, not two"},
    {{"--show", "1", "--show", "2"}, kAll, "error: give one --show or --print, not two"},
    {{"--shows", "1"}, kAll, "error: unknown option --shows"},
    {{"-x"}, kAll, "error: unknown option -x"},
    {{"db"},
     kAll,
     "error: unexpected argument db (KLV reads the folder it starts in; kelpra FOLDER starts it in another)"},
};

std::string Describe(const KlvCommand& command, const StartUpLoad& load, const TypeTicks& ticked) {
    if (!command.error.empty())
        return "error: " + command.error;
    if (command.action == KlvCommand::Action::Window)
        return "window";
    if (command.action == KlvCommand::Action::Help)
        return "help";
    const LookupQuery& query = command.query;
    std::string text = command.action == KlvCommand::Action::Show ? "show " : "print ";
    text += query.kind == LookupQuery::Kind::Number ? OpcodeKey(query.number)
                                                    : "text '" + Cp1251ToUtf8(query.text) + "'";
    std::vector<const TNodedata*> categories;
    for (const CategoryInfo& category : load.categories)
        categories.push_back(category.Data.get());
    const std::optional<LookupHit> hit = FindFirstListed(categories, *load.table, ticked, query);
    text +=
        hit ? " at " + std::to_string(hit->category) + ":" + std::to_string(hit->row) : " at none";
    text += " prints";
    const std::vector<int32_t> printed = MatchingOpcodes(*load.table, query);
    for (const int32_t n : printed)
        text += " " + OpcodeKey(n);
    return printed.empty() ? text + " -" : text;
}

} // namespace

TEST(Lookup, CommandLineQueryWindowHitAndPrintOutput) {
    TempDir dir;
    WriteDatabase(dir);
    CurrentDirScope cd(dir.path());
    const StartUpLoad load(DatabaseFiles::ForCurrentDir(CurrentDir()));
    ASSERT_EQ(load.error, "");
    for (const LookupCase& c : kCases) {
        std::string args;
        for (const std::string_view arg : c.args)
            args += " [" + std::string(arg) + "]";
        EXPECT_EQ(Describe(ParseKlvCommand(c.args), load, c.ticked), c.expected) << "KLV" << args;
    }

    // The printed paragraphs in UTF-8, and the exit statuses: found, nothing, cannot load.
    const auto print = [](std::vector<std::string_view> args, std::string& out, std::string& err) {
        std::ostringstream o, e;
        const int status = PrintLookup(ParseKlvCommand(args), o, e);
        out = o.str(), err = e.str();
        return status;
    };
    std::string out, err;
    EXPECT_EQ(print({"--print", "t %1"}, out, err), kLookupFound);
    EXPECT_EQ(
        out,
        "0001: wait %1d% ms\nParameters: 1\nRussian: ждать %1d% мс\nTypes: Действия\n"
        "Categories: Первая, Вторая, Третья\n\n"
        "0002: start %1p%\nParameters: variable\nRussian:  ???\nTypes: Проверки\nCategories: Первая\n");
    EXPECT_EQ(err, "");
    EXPECT_EQ(print({"--print", "nothing like it"}, out, err), kLookupNothing);
    EXPECT_EQ(out, "");
    EXPECT_EQ(err, "KLV: no opcode matches nothing like it\n");
    dir.WriteCp1251("INI/SASCM.ini", "[OPCODES]\n0001=x,broken\n");
    EXPECT_EQ(print({"--print", "1"}, out, err), kLookupUnusable);
    EXPECT_EQ(
        err,
        "KLV: An unexpected error occurred: \"'x' is not a valid integer value\" (class EConvertError).\n");
}
