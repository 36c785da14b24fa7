# Shared steps of the black-box scenarios: starting KLV in a folder, finding its windows,
# typing, reading the clipboard as Windows-1251 bytes, and reporting. Nothing here sleeps
# for a fixed time: every step waits, up to a bound, for the condition it needs.

PASSED=0
FAILED=0
CURRENT=""
# The main window's title as a pattern for xdotool, from the caption the build gives.
MAIN_TITLE="^$(printf '%s' "${KLV_CAPTION:?the build passes the main window caption}" | sed 's/[].[*^$\\]/\\&/g')\$"

fail() { echo "FAIL [$CURRENT]: $*" >&2; FAILED=$((FAILED + 1)); return 1; }

check() {  # check DESCRIPTION COMMAND...
    local what=$1
    shift
    if "$@"; then echo "ok   [$CURRENT]: $what"; PASSED=$((PASSED + 1)); else fail "$what"; fi
}

run_scenario() {
    CURRENT=$(basename "$1" .sh)
    # Each scenario runs in a subshell with counts of its own: a failed step ends that
    # scenario only, and its counts come back through a file.
    # (errexit holds inside the subshell only when it is not an `if` condition.)
    set +e
    ( PASSED=0; FAILED=0; trap save_counts EXIT; set -e; source "$1" )
    local status=$?
    set -e
    [ "$status" -eq 0 ] || fail "the scenario stopped early" || true
    local p=0 f=0
    [ ! -f "$WORK/.counts" ] || read -r p f <"$WORK/.counts"
    rm -f "$WORK/.counts"
    PASSED=$((PASSED + p)) FAILED=$((FAILED + f))
}

save_counts() { echo "$PASSED $FAILED" >"$WORK/.counts"; }

# Every KLV of the run has ended through its own exit by now; a sanitized build has
# checked itself for invalid accesses and leaks and left a report for anything it found.
check_sanitizer_reports() {
    CURRENT=sanitizers
    if ! grep -aq __asan_init "$KLV"; then
        echo "skip [$CURRENT]: $KLV is not built with the sanitizers"
        return 0
    fi
    local reports
    reports=$(find "$WORK" -maxdepth 1 -name 'sanitizer.*' | sort)
    for report in $reports; do
        cp "$report" "$ARTIFACTS/"
        cat "$report" >&2
    done
    check "no invalid access, undefined behaviour or leak in any KLV of the run" test -z "$reports"
}

finish() { echo "$PASSED passed, $FAILED failed"; [ "$FAILED" -eq 0 ]; }

# A copy of the sample database in a fresh folder.
make_database() {  # make_database NAME -> prints the folder
    local dir="$WORK/$1"
    mkdir -p "$dir"
    cp -r "$SAMPLE/." "$dir/"
    echo "$dir"
}

# Starts KLV, with any arguments, in the folder as its current directory; prints its process id.
start_klv() {  # start_klv DB [ARGUMENT...]
    (cd "$1" && exec "$KLV" "${@:2}" >"$1/klv.out" 2>&1) &
    local pid=$!
    echo "$pid" >>"$WORK/.pids"
    echo "$pid"
}

# Starts KLV in the folder and waits for its main window: sets pid and win.
open_klv() {  # open_klv DB
    pid=$(start_klv "$1")
    win=$(wait_window "$MAIN_TITLE" "$pid") || fail "the main window did not open"
    settle "$win"
}

# Closes the window as a user would (Alt+F4 through the window manager) and waits for the
# process to end.
close_klv() { keys "$1" alt+F4; wait_gone "$2"; }  # close_klv WINDOW PID

# Polls a condition every 50 ms until it holds or TIMEOUT seconds have passed.
wait_until() {  # wait_until TIMEOUT COMMAND...
    local end=$((SECONDS + $1))
    shift
    until "$@"; do
        [ "$SECONDS" -lt "$end" ] || return 1
        sleep 0.05
    done
}

until_true() { wait_until 10 "$@"; }  # until_true COMMAND...: polls for up to 10 s

# Waits until the program that owns the window has handled all input sent so far and what
# that input queued (up to 10 s); a window closed meanwhile needs no more waiting.
settle() { /usr/bin/python3 "$HERE/x_sync.py" "$1" 10 || fail "window $1 did not answer"; }  # settle WINDOW

# The first window of the process whose title matches, waiting up to 10 s; prints its id.
wait_window() { wait_until 10 window_of "$@"; }  # wait_window TITLE_REGEX PID
window_of() { xdotool search --all --onlyvisible --pid "$2" --name "$1" 2>/dev/null | grep -m1 .; }

# Whether a process still runs; an ended one that nobody has reaped yet counts as gone.
running() {  # running PID
    local state=""
    read -r _ _ state _ 2>/dev/null <"/proc/$1/stat" || return 1
    [ "$state" != Z ]
}

# Waits up to 30 s for a process to end (a sanitized one checks for leaks on the way out).
wait_gone() { wait_until 30 ended "$1"; }  # wait_gone PID
ended() { ! running "$1"; }  # ended PID

# Presses the keys one after the other in the window, then waits until they are handled.
keys() {  # keys WINDOW KEY...
    local window=$1
    shift
    xdotool windowactivate --sync "$window" >/dev/null 2>&1 || true
    xdotool key --clearmodifiers "$@"
    settle "$window"
}

# From the opcode list (where the focus is at start), moves to the tree, chooses its Nth
# node from the top with the cursor keys, and goes back to the list.
choose_node() {  # choose_node WINDOW N
    local moves=()
    for _ in $(seq 2 "$2"); do moves+=(Down); done
    keys "$1" shift+Tab shift+Tab Home "${moves[@]}" Tab Tab
}

# Finds the category tree's rows on screen: the Nth node is chosen, then the one below it;
# a column of pixels across the tree differs between the two screenshots exactly over those
# two rows, since a chosen row is drawn highlighted. Sets TREE_X (a column inside the
# rows), ROW_TOP (the Nth row's top) and ROW_H (a row's height), in screen pixels.
find_tree_rows() {  # find_tree_rows WINDOW N
    local left top height
    eval "$(xwininfo -id "$1" | awk -F: '{ gsub(/ /, "", $2) }
        /Absolute upper-left X/ { print "left=" $2 } /Absolute upper-left Y/ { print "top=" $2 }
        /Height/ { print "height=" $2 }')"
    TREE_X=$((left + 150))
    choose_node "$1" "$2"
    import -window root -crop "1x${height}+${TREE_X}+${top}" "$WORK/rows-1.txt"
    choose_node "$1" $(($2 + 1))
    import -window root -crop "1x${height}+${TREE_X}+${top}" "$WORK/rows-2.txt"
    read -r first last < <(paste -d' ' "$WORK/rows-1.txt" "$WORK/rows-2.txt" |
        awk 'NR > 1 && $3 != $7 { y = $1; sub(/^[0-9]+,/, "", y); sub(/:$/, "", y)
             if (first == "") first = y; last = y } END { print first, last }')
    [ -n "$first" ] || return 1
    ROW_TOP=$((top + first))
    ROW_H=$(((last - first + 1) / 2))
}

# Clicks the tree row K rows below the Nth row of find_tree_rows.
click_tree_row() {  # click_tree_row K
    xdotool mousemove "$TREE_X" $((ROW_TOP + $1 * ROW_H + ROW_H / 2)) click 1
    settle "$(xdotool getactivewindow)"
}

type_text() {  # type_text WINDOW TEXT
    xdotool windowactivate --sync "$1" >/dev/null 2>&1 || true
    xdotool type --delay 40 --clearmodifiers "$2"
    settle "$1"
}

# Whether window A lies above window B in the window manager's stacking order.
stacked_above() {  # stacked_above A B
    local i=0 a="" b="" w
    for w in $(xprop -root _NET_CLIENT_LIST_STACKING | sed 's/^[^#]*#//; s/,/ /g'); do
        [ $((w)) -eq "$1" ] && a=$i
        [ $((w)) -eq "$2" ] && b=$i
        i=$((i + 1))
    done
    [ -n "$a" ] && [ -n "$b" ] && [ "$a" -gt "$b" ]
}

# Whether the clipboard comes to hold exactly the file's bytes (Windows-1251, or CHARSET)
# within 10 s; if not, the two side by side.
clipboard_is() { wait_until 10 clipboard_read_as "$@" || same_bytes "$1" "$WORK/.clipboard"; }  # clipboard_is EXPECTED [CHARSET]
clipboard_read_as() {
    timeout 5 xclip -selection clipboard -o 2>/dev/null | iconv -f UTF-8 -t "${2:-CP1251}" >"$WORK/.clipboard" &&
        cmp -s "$1" "$WORK/.clipboard"
}

# Puts the text on the clipboard, owned by xclip, and waits until it is there.
set_clipboard() { printf '%s' "$1" | xclip -selection clipboard; wait_until 10 clipboard_holds "$1"; }  # set_clipboard TEXT
clipboard_holds() { [ "$(timeout 5 xclip -selection clipboard -o 2>/dev/null)" = "$1" ]; }

accessible() { /usr/bin/python3 "$HERE/accessible.py" KLV "$@"; }  # "role: name" of each named control (AT-SPI)

# Whether KLV shows a control with exactly this "role: name" line through AT-SPI.
accessible_has() { accessible | grep -xF "$1" >/dev/null; }  # accessible_has LINE

screenshot() { import -window root "$ARTIFACTS/$1.png" 2>/dev/null || true; }  # screenshot NAME

# The text after the count of an opcode's record in an INI file of the database.
record_text() { grep -a -m1 "^$2=" "$1" | tr -d '\r' | cut -d, -f2-; }  # record_text FILE NUMBER

# The caption of every opcode of a line of Nodes.Opcodes, as the list shows them.
captions_of_line() {  # captions_of_line DB LINE
    local numbers
    numbers=$(sed -n "${2}p" "$1/INI/Nodes.Opcodes" | tr -d '\r')
    for n in $numbers; do
        printf '%s: %s\n' "$n" "$(record_text "$1/INI/SASCM.ini" "$n")"
    done
}

# Captions on stdin as the main list copies selected rows: caption, "   //", translation.
add_translations() {  # add_translations DB
    local caption
    while IFS= read -r caption; do
        printf '%s   //%s\n' "$caption" "$(record_text "$1/INI/SASCM_RUS.ini" "${caption%%:*}")"
    done
}

# Lines on stdin as the copy-all text: CR LF before every line, none after the last.
all_text() { awk 'BEGIN { ORS = "" } { print "\r\n" $0 }'; }

# Lines on stdin as the copy-selection text: CR LF between the lines only.
selection_text() { awk 'BEGIN { ORS = "" } NR > 1 { print "\r\n" } { print }'; }

# Expected and actual bytes side by side when a comparison fails.
same_bytes() {  # same_bytes EXPECTED ACTUAL
    cmp -s "$1" "$2" && return 0
    echo "expected:" >&2; od -c "$1" | head -n 8 >&2
    echo "actual:" >&2; od -c "$2" | head -n 8 >&2
    return 1
}
