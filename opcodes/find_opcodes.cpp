#include "opcodes/find_opcodes.h"

#include <algorithm>

#include "opcodes/cp1251.h"

namespace {

// A test for words upper-cased as `upperText` is.
auto OccursIn(std::string_view upperText) {
    return [upperText](const std::string& word) {
        return upperText.find(word) != std::string_view::npos;
    };
}

// One field's words with their Latin letters in upper case, as the captions are compared.
// A foreign word occurs in no caption: it is left out of the walk but still counts.
struct UpperWords {
    std::vector<std::string> words;
    bool any = false;     // the field has words, foreign ones included
    bool foreign = false; // one of them is foreign

    explicit UpperWords(const WordList& list) {
        const std::span<const std::string> all = list.Words();
        any = !all.empty();
        for (std::size_t i = 0; i < all.size(); ++i) {
            if (list.foreign[i])
                foreign = true;
            else
                words.push_back(UpperLatin(all[i]));
        }
    }

    bool AnyOccurs(std::string_view upperText) const {
        return std::any_of(words.begin(), words.end(), OccursIn(upperText));
    }
    bool AllOccur(std::string_view upperText) const {
        return !foreign && std::all_of(words.begin(), words.end(), OccursIn(upperText));
    }
};

// The three fields of one search, upper-cased once and matched against many captions.
class CaptionMatcher {
  public:
    CaptionMatcher(const WordList& yes, const WordList& no, const WordList& orWords)
        : yes_(yes), no_(no), or_(orWords) {}

    bool Matches(std::string_view caption) {
        upper_.assign(caption);
        ToUpperLatin(upper_);
        return yes_.AllOccur(upper_) && !no_.AnyOccurs(upper_) &&
               (!or_.any || or_.AnyOccurs(upper_));
    }

  private:
    UpperWords yes_, no_, or_;
    std::string upper_; // the caption in hand, reused from row to row
};

void DeselectFirstSelected(RowList& list) {
    const int first = list.FirstSelected();
    if (first >= 0)
        list.Deselect(first);
}

} // namespace

WordList WordList::Split(std::string_view text) {
    WordList list;
    std::size_t slot = 0;
    for (const char ch : text) {
        if (ch != ' ')
            list.slots[slot] += ch;
        else if (++slot == kWordSlots)
            break;
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
    return CaptionMatcher(yes, no, orWords).Matches(caption);
}

bool IsFindAllSender(std::string_view senderName) {
    return senderName == "BtnAll";
}

FindOutcome FindOpcodes(RowList& list, const WordList& yes, const WordList& no,
                        const WordList& orWords, bool findAll) {
    FindOutcome outcome;
    CaptionMatcher matcher(yes, no, orWords);
    const int passes = findAll ? 1 : 2;
    for (int pass = 0; pass < passes; ++pass) {
        if (pass > 0)
            DeselectFirstSelected(list);
        const int first = findAll ? -1 : list.FirstSelected();
        for (int row = first < 0 ? 0 : first + 1; row < list.Count(); ++row) {
            std::string caption = list.Caption(row);
            if (!matcher.Matches(caption))
                continue;
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
