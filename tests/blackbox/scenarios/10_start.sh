# The program opens its maximised main window on the sample database.
db=$(make_database start)
open_klv "$db"
sleep 0.5
screenshot main-window
geometry=$(xdotool getwindowgeometry "$win")
width=$(echo "$geometry" | sed -n 's/.*Geometry: \([0-9]*\)x.*/\1/p')
check "the window is maximised ($width px wide)" test "$width" -ge 1200
check "no error box at start" test -z "$(xdotool search --onlyvisible --name '^Error$' 2>/dev/null)"
check "no errors.log at start" test ! -e "$db/errors.log"
check "the window has Kelpra's icon" sh -c "xprop -id $win _NET_WM_ICON | grep -q 'Icon (48 x 48)'"
check "KLV ends when its window is closed" close_klv "$win" "$pid"
