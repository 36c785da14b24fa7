# The program opens its maximised main window on the sample database.
db=$(make_database start)
open_klv "$db"
width() { xdotool getwindowgeometry "$win" | sed -n 's/.*Geometry: \([0-9]*\)x.*/\1/p'; }
wide() { [ "$(width)" -ge 1200 ]; }
wait_until 10 wide || true
screenshot main-window
check "the window is maximised ($(width) px wide)" wide
# A box at start would have come while the data was read, before the total of the first
# category reached the status bar.
loaded() { accessible | grep '^label: Всего: [1-9]' >/dev/null; }
check "the status bar shows the database's total" until_true loaded
check "no error box at start" test -z "$(xdotool search --onlyvisible --name '^Error$' 2>/dev/null)"
check "no errors.log at start" test ! -e "$db/errors.log"
check "the window has Kelpra's icon" sh -c "xprop -id $win _NET_WM_ICON | grep -q 'Icon (48 x 48)'"
check "KLV ends when its window is closed" close_klv "$win" "$pid"
