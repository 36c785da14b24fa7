#include "opcodes/find_opcodes.h"

#include <algorithm>

#include "opcodes/cp1251.h"

namespace {

bool Occurs(std::string_view upperText, const WordList& list, std::size_t slot) {
    return !list.foreign[slot] && ContainsUpperLatin(upperText, list.slots[slot]);
}

bool AnyOccurs(std::string_view upperText, const WordList& list) {
    const std::size_t count = list.Words().size();
    for (std::size_t i = 0; i < count; ++i)
        if (Occurs(upperText, list, i)) return true;
    return false;
}

bool AllOccur(std::string_view upperText, const WordList& list) {
    const std::size_t count = list.Words().size();
    for (std::size_t i = 0; i < count; ++i)
        if (!Occurs(upperText, list, i)) return false;
    return true;
}

void DeselectFirstSelected(RowList& list) {
    const int first = list.FirstSelected();
    if (first >= 0) list.Deselect(first);
}

}  // namespace

WordList WordList::Split(std::string_view text) {
    WordList list;
    std::size_t slot = 0;
    for (const char ch : text) {
        if (ch != ' ') list.slots[slot] += ch;
        else if (++slot == kWordSlots) break;
    }
    return list;
}

WordList WordList::SplitUtf8(std::string_view utf8) {
    // The space is the same byte in both encodings, so the slots come out as they would
    // from the converted text.
    WordList list = Split(utf8);
    for (std::size_t i = 0; i < kWordSlots; ++i) {
        std::optional<std::string> exact = Utf8ToCp1251Exact(list.slots[i]);
        list.foreign[i] = !exact;
        list.slots[i] = exact ? std::move(*exact) : Utf8ToCp1251(list.slots[i]);
    }
    return list;
}

std::span<const std::string> WordList::Words() const& {
    const auto firstEmpty =
        std::find_if(slots.begin(), slots.end(), [](const std::string& s) { return s.empty(); });
    return {slots.data(), static_cast<std::size_t>(firstEmpty - slots.begin())};
}

bool RowMatches(std::string_view caption, const WordList& yes, const WordList& no,
                const WordList& orWords) {
    const std::string upper = UpperLatin(caption);
    return AllOccur(upper, yes) && !AnyOccurs(upper, no) &&
           (orWords.Words().empty() || AnyOccurs(upper, orWords));
}

bool IsFindAllSender(std::string_view senderName) { return senderName == "BtnAll"; }

FindOutcome FindOpcodes(RowList& list, const WordList& yes, const WordList& no,
                        const WordList& orWords, bool findAll) {
    FindOutcome outcome;
    const int passes = findAll ? 1 : 2;
    for (int pass = 0; pass < passes; ++pass) {
        if (pass > 0) DeselectFirstSelected(list);
        const int first = findAll ? -1 : list.FirstSelected();
        for (int row = first < 0 ? 0 : first + 1; row < list.Count(); ++row) {
            std::string caption = list.Caption(row);
            if (!RowMatches(caption, yes, no, orWords)) continue;
            if (findAll) {
                outcome.results.push_back(std::move(caption));
                continue;
            }
            DeselectFirstSelected(list);
            list.SelectFocusScroll(row);
            outcome.selectedRow = row;
            return outcome;
        }
        outcome.passEnded = true;
    }
    return outcome;
}
