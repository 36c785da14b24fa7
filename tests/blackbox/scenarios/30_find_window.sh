# F3 opens the search window over the listed category; list all and copy all of its result
# list, and message boxes above it.
db=$(make_database find)
open_klv "$db"
choose_node "$win" 3
captions_of_line "$db" 2 >"$WORK/player"
LC_ALL=C grep -i money "$WORK/player" >"$WORK/money"
check "the category holds at least two captions with the word" test "$(wc -l <"$WORK/money")" -ge 2

keys "$win" F3
find=$(wait_window '^Расширенный поиск \(F3\)$' "$pid") || fail "F3 did not show the search window"
settle "$find"
screenshot search-window
# The focus starts in the first field; "Искать всё" is one step back, the result list two.
type_text "$find" money
keys "$find" shift+Tab space shift+Tab ctrl+alt+c
all_text <"$WORK/money" >"$WORK/expected"
check "list all, then copy all: CR LF before each matching caption" clipboard_is "$WORK/expected"

# A box that the main window opens comes up above the search window, which stays on top
# and here covers the whole screen: Ctrl+C with nothing selected in the refilled list.
xdotool windowmove "$find" 0 0 windowsize "$find" 1280 800
choose_node "$win" 3
keys "$win" ctrl+c
box=$(wait_window '^Error$' "$pid") || fail "Ctrl+C without a selection showed no box"
check "the message box lies above the search window" until_true stacked_above "$box" "$find"
settle "$box"
screenshot box-above-search-window
keys "$box" Return

# A box that the search window raises gives the activation back to it: Ctrl+C in its result
# list, which a new "Искать всё" (the next control) leaves without a selection.
keys "$find" Tab space shift+Tab ctrl+c
keys "$(wait_window '^Error$' "$pid")" Return
is_active() { test "$(xdotool getactivewindow 2>/dev/null)" = "$1"; }
check "closing the box activates the search window again" until_true is_active "$find"
check "KLV ends when its window is closed" close_klv "$win" "$pid"
