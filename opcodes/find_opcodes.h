#pragma once
// The advanced search over the main opcode list: three word lists (all must occur, none
// may occur, at least one must occur) matched against the rows' captions, in two modes,
// find next (selects the next matching row in the main list, wrapping once) and list all
// (collects every matching caption for the result list).

#include <array>
#include <bitset>
#include <cstddef>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "opcodes/text_search.h"

inline constexpr std::size_t kWordSlots = 256;

// One field's words in fixed slots, as the field's text splits at spaces.
struct WordList {
    std::array<std::string, kWordSlots> slots;
    // The words that hold a character Windows-1251 lacks. Such a word is kept (with "?"
    // for the character) so that it still counts as a word, but it occurs in no caption:
    // a "?" of its own would otherwise match the "???" of every undefined opcode.
    std::bitset<kWordSlots> foreign;

    // Only the space separates: tabs and punctuation belong to words. Each space moves
    // to the next slot, so a leading space leaves slot 0 empty and two spaces leave an
    // empty slot between the words. Text past the last slot's word is ignored.
    static WordList Split(std::string_view text);
    // The same for a field's text in UTF-8, as the user typed it.
    static WordList SplitUtf8(std::string_view utf8);

    // The words in use: slot 0 up to, not including, the first empty slot. An empty slot
    // ends the list, so a field that begins with a space has no words.
    std::span<const std::string> Words() const&;
    // The words would point into a list about to vanish.
    std::span<const std::string> Words() && = delete;
};

// True when every `yes` word, no `no` word and (when `orWords` has words) at least one
// `orWords` word occurs in the caption, with Latin letters compared in upper case and
// anywhere in the text (inside longer words and inside the opcode number too). Lists
// without words set no condition.
bool RowMatches(std::string_view caption, const WordList& yes, const WordList& no,
                const WordList& orWords);

// The search button named so lists all matches; every other sender finds the next one.
bool IsFindAllSender(std::string_view senderName);

struct FindOutcome {
    // The result list's new content: it is emptied by every search and gets these rows,
    // in the main list's order (always none in find-next mode).
    std::vector<std::string> results;
    // The main-list row that find-next selected, or -1.
    int selectedRow = -1;
    // A pass ran to its end, so the status panels read "Готово." and "Найдено: " with
    // results.size(). False only when the first pass of find-next hit: the panels then
    // keep what they showed ("Поиск..." and the earlier count).
    bool passEnded = false;
};

// One search. Find next starts after the first selected row (row 0 when none); a hit
// takes the selection off the first selected row and selects the hit; without a hit the
// first selected row loses its selection and one more pass runs from after the new first
// selected row. List all walks the whole list once and touches no selection.
FindOutcome FindOpcodes(RowList& list, const WordList& yes, const WordList& no,
                        const WordList& orWords, bool findAll);
