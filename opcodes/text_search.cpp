#include "opcodes/text_search.h"

#include <algorithm>

namespace {

char UpperLatinByte(char ch) {
    return ch >= 'a' && ch <= 'z' ? static_cast<char>(ch - 32) : ch;
}

// One walk from the row after the first selected one to the end of the list.
int FindFromFirstSelected(const RowList& list, std::string_view needle) {
    const int first = list.FirstSelected();
    for (int row = first < 0 ? 0 : first + 1; row < list.Count(); ++row)
        if (ContainsUpperLatin(list.Caption(row), needle))
            return row;
    return -1;
}

void DeselectFirstSelected(RowList& list) {
    const int first = list.FirstSelected();
    if (first >= 0)
        list.Deselect(first);
}

} // namespace

bool ContainsUpperLatin(std::string_view text, std::string_view needle) {
    if (needle.empty())
        return false;
    const auto equal = [](char a, char b) { return UpperLatinByte(a) == UpperLatinByte(b); };
    return std::search(text.begin(), text.end(), needle.begin(), needle.end(), equal) != text.end();
}

bool IsQuickSearchKey(char32_t key) {
    return key == 13 || key == 11 || key == 9;
}

int QuickSearch(RowList& list, std::string_view searchText) {
    for (bool wrapAllowed = true;; wrapAllowed = false) {
        const int hit = FindFromFirstSelected(list, searchText);
        if (hit >= 0) {
            DeselectFirstSelected(list);
            list.SelectFocusScroll(hit);
            return hit;
        }
        if (!wrapAllowed)
            return -1;
        // With one selected row (or none) the second walk then covers the whole list,
        // the row that was selected included.
        DeselectFirstSelected(list);
    }
}

int FindRowByCaption(const RowList& list, std::string_view caption) {
    for (int row = 0; row < list.Count(); ++row)
        if (list.Caption(row) == caption)
            return row;
    return -1;
}

bool ShowInList(RowList& list, std::string_view caption) {
    const int hit = FindRowByCaption(list, caption);
    if (hit < 0)
        return false;
    if (list.SelectedCount() == 1)
        list.Deselect(list.FirstSelected());
    list.SelectFocusScroll(hit);
    return true;
}
