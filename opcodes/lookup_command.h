#pragma once
// KLV's command line: nothing (the window, as ever), or one look-up, shown in the window
// (--show) or printed (--print), or the usage text (--help).

#include <iosfwd>
#include <span>
#include <string>
#include <string_view>

#include "opcodes/opcode_lookup.h"

struct KlvCommand {
    enum class Action { Window, Show, Print, Help };
    Action action = Action::Window;
    std::string what;  // the look-up as given (UTF-8), for Show and Print
    LookupQuery query; // what it means
    std::string error; // set for a command line that asks for nothing sound
};

// The arguments after the program's name. "--show WHAT" and "--show=WHAT" are alike; WHAT
// is taken as it stands, whatever it begins with.
KlvCommand ParseKlvCommand(std::span<const std::string_view> args);

extern const std::string_view kKlvHelp;

// Exit statuses of the printed look-up; a bad command line is kLookupUnusable too.
inline constexpr int kLookupFound = 0;
inline constexpr int kLookupNothing = 1;
inline constexpr int kLookupUnusable = 2;

// Prints the records that the query matches in the database of the current directory, one
// paragraph each, in UTF-8. Returns kLookupFound, kLookupNothing, or kLookupUnusable when
// the database cannot be loaded, with the error box's message on `err`.
int PrintLookup(const KlvCommand& command, std::ostream& out, std::ostream& err);
