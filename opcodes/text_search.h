#pragma once
// The searches of both windows over the main opcode list: the quick search above the
// list, show-in-list of the search window, and the row access they share with the
// advanced search (find_opcodes.h). The windows hand in their list behind RowList and
// these routines decide which rows to select; nothing here knows a widget.

#include <string>
#include <string_view>

// The main opcode list as the searches see it. Rows are counted from 0 in the list's
// current (display) order; captions are the first column's Windows-1251 bytes.
class RowList {
  public:
    virtual ~RowList() = default;
    virtual int Count() const = 0;
    virtual std::string Caption(int row) const = 0;
    // The selected row with the lowest index, or -1 when none is selected.
    virtual int FirstSelected() const = 0;
    virtual int SelectedCount() const = 0;
    // Takes the selection off one row; the other rows keep theirs.
    virtual void Deselect(int row) = 0;
    // Adds the row to the selection, scrolls it into view (a partly visible row counts as
    // visible) and makes it the focused row.
    virtual void SelectFocusScroll(int row) = 0;
};

// True when `needle` occurs in `text` with the Latin letters of both taken as upper
// case; Cyrillic and all other bytes must match exactly. The empty needle matches
// nothing, so an empty search never selects a row.
bool ContainsUpperLatin(std::string_view text, std::string_view needle);

// The characters that start a quick search in the search box (Enter, Ctrl+K, Tab); the
// box must not receive them.
bool IsQuickSearchKey(char32_t key);

// One confirmation of the quick search: the next row after the first selected one whose
// caption contains `searchText` (ContainsUpperLatin), wrapping once to the top. A hit
// takes the selection off the first selected row and selects the hit; a search that
// finds nothing leaves only the first selected row deselected. Returns the selected row,
// or -1 when nothing was found.
int QuickSearch(RowList& list, std::string_view searchText);

// The first row whose caption equals `caption` exactly (case-sensitive), or -1.
int FindRowByCaption(const RowList& list, std::string_view caption);

// Shows a search result in the main list: the hit row replaces a single selected row,
// or joins a selection of two or more rows. False when no row holds the text; the list
// is then left alone and the caller warns the user.
bool ShowInList(RowList& list, std::string_view caption);
