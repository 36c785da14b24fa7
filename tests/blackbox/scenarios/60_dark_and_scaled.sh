# Under a dark theme (Adwaita's, through Qt's GTK platform theme) the tree's lines and boxes
# stand out from their base; at scale 2 both windows' controls are named, with their roles,
# to the accessibility interface (spoken-names.txt), read for up to 10 s: names and roles
# do not depend on the theme.
export QT_QPA_PLATFORMTHEME=gtk3 GTK_THEME=Adwaita:dark
open_klv "$(make_database dark)"
choose_node "$win" 3
keys "$win" alt Right Right Down Right Return # Вид > Расшир. список опкодов > Сетка
eval "$(xwininfo -id "$win" | awk -F: '{ gsub(/ /, "", $2) }
    /Absolute upper-left X/ { print "left=" $2 } /Absolute upper-left Y/ { print "top=" $2 }')"
# The tree's branch column below the menu bar: how many pixels differ from its most common
# grey (the base) by 48 of 255 or more, and how many by less; taken until they show, 3 s.
for _ in $(seq 1 30); do
    screenshot dark
    read -r clear faint < <(convert "$ARTIFACTS/dark.png" -crop "16x300+$((left + 2))+$((top + 40))" \
        -colorspace gray -depth 8 -format %c histogram:info:- | awk '{ n = $1 + 0; sub(/^[^(]*\(/, "")
        count[$1 + 0] += n; if (count[$1 + 0] > best) { best = count[$1 + 0]; base = $1 + 0 } }
        END { for (g in count) if (g != base) { if ((g - base) ^ 2 >= 48 ^ 2) c += count[g]; else f += count[g] }
              print c + 0, f + 0 }')
    [ "$clear" -gt 20 ] && [ "$faint" -eq 0 ] && break
    sleep 0.1
done
check "dark theme: the tree's lines and boxes stand out ($clear clear, $faint faint pixels)" \
    test "$clear" -gt 20 -a "$faint" -eq 0
# The opcode list is a table: a cell that takes the focus is announced, with its text and no
# action of its own (Qt's lists offer "Toggle").
choose_node "$win" 3
accessible --focus >"$WORK/focus" &
for _ in $(seq 1 50); do grep -q listening "$WORK/focus" && break; sleep 0.1; done
keys "$win" Down
wait $!
check "dark theme: the focused cell announced ($(tail -n +2 "$WORK/focus"))" \
    test "$(tail -n +2 "$WORK/focus")" = "table cell: 02FC: get_player_actor %1d% store_to %2d%; actions: ; in: Список опкодов"
close_klv "$win" "$pid"
unset QT_QPA_PLATFORMTHEME GTK_THEME

export QT_SCALE_FACTOR=2
open_klv "$(make_database scaled)"
keys "$win" F3
find=$(wait_window '^Расширенный поиск \(F3\)$' "$pid") || fail "F3 did not show the search window"
all_named() { missing=$(grep -vxF -f <(accessible) "$HERE/spoken-names.txt" || true); [ -z "$missing" ]; }
until_true all_named || true
check "scale 2: both windows' controls named, with their roles${missing:+ (missing: $missing)}" test -z "$missing"
screenshot scale-2
width=$(xdotool getwindowgeometry "$find" | sed -n 's/.*Geometry: \([0-9]*\)x.*/\1/p')
check "scale 2: the search window twice its designed width ($width px)" test "$width" -ge 690
close_klv "$win" "$pid"
unset QT_SCALE_FACTOR
