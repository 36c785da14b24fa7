# The desktops of today: a dark theme (Adwaita's dark one, through Qt's GTK platform theme)
# and twice the scale. Under the dark theme the tree's lines and boxes stand out from the
# base they are drawn on; at either, screen readers get each control's name and role in
# both windows.

# How many pixels of a screenshot's area differ from its most common grey (the base) by at
# least 48 of 255, and how many by less (faint): "CLEAR FAINT".
contrast_counts() {  # contrast_counts PNG GEOMETRY
    convert "$1" -crop "$2" +repage -colorspace gray -depth 8 -format %c histogram:info:- |
        awk '{ n = $1 + 0; sub(/^[^(]*\(/, ""); g = $1 + 0; count[g] += n
               if (count[g] > best) { best = count[g]; base = g } }
             END { for (g in count) if (g != base) {
                       if (g - base >= 48 || base - g >= 48) clear += count[g]; else faint += count[g] }
                   print clear + 0, faint + 0 }'
}

# Every control of the main window and of the search window, by its role and name, read
# through the accessibility interface until all are there, for up to 5 s.
check_spoken_names() {  # check_spoken_names WHERE
    local missing
    for _ in $(seq 1 25); do
        accessible >"$WORK/spoken.txt"
        missing=$(spoken_names_missing)
        [ -z "$missing" ] && break
        sleep 0.2
    done
    check "$1: every control of both windows named, with its role${missing:+ (missing: $missing)}" \
        test -z "$missing"
}

spoken_names_missing() {
    grep -vxF -f "$WORK/spoken.txt" <<'NAMES' || true
tree: Категории
list: Типы опкодов
text: Мини-поиск
tree: Список опкодов
text: Описание опкода
text: Текст для копирования
push button: Копир
separator: Ширина дерева категорий
separator: Ширина правой панели
separator: Высота мини-поиска
separator: Высота группы копирования
separator: Высота списка типов
dialog: Расширенный поиск (F3)
text: Обязательно есть
text: Обязательно нет
text: Хотя-бы одно
push button: Закрыть
push button: Искать всё
push button: Поиск!
tree: Найденные опкоды
NAMES
}

export QT_QPA_PLATFORMTHEME=gtk3 GTK_THEME=Adwaita:dark
open_klv "$(make_database dark)"
choose_node "$win" 3
keys "$win" alt Right Right Down Right Return # Вид > Расшир. список опкодов > Сетка
# The tree's branch column, where its lines and boxes are drawn, below the menu bar; the
# screen is taken again until they show, for up to 3 s.
eval "$(xwininfo -id "$win" | awk -F: '{ gsub(/ /, "", $2) }
    /Absolute upper-left X/ { print "left=" $2 } /Absolute upper-left Y/ { print "top=" $2 }')"
for _ in $(seq 1 30); do
    screenshot dark
    read -r clear faint < <(contrast_counts "$ARTIFACTS/dark.png" "16x300+$((left + 2))+$((top + 40))")
    [ "$clear" -gt 20 ] && [ "$faint" -eq 0 ] && break
    sleep 0.1
done
check "dark theme: the window is dark" sh -c "convert '$ARTIFACTS/dark.png' -colorspace gray \
    -format '%[fx:mean < 0.4]' info: | grep -qx 1"
check "dark theme: the tree's lines and boxes stand out ($clear clear, $faint faint pixels)" \
    test "$clear" -gt 20 -a "$faint" -eq 0
keys "$win" F3
wait_window '^Расширенный поиск \(F3\)$' "$pid" >/dev/null || fail "F3 did not show the search window"
check_spoken_names "dark theme"
close_klv "$win" "$pid"
unset QT_QPA_PLATFORMTHEME GTK_THEME

export QT_SCALE_FACTOR=2
open_klv "$(make_database scaled)"
choose_node "$win" 3
keys "$win" F3
find=$(wait_window '^Расширенный поиск \(F3\)$' "$pid") || fail "F3 did not show the search window"
screenshot scale-2
width=$(xdotool getwindowgeometry "$find" | sed -n 's/.*Geometry: \([0-9]*\)x.*/\1/p')
check "scale 2: the search window twice its designed width ($width px)" test "$width" -ge 690
check_spoken_names "scale 2"
close_klv "$win" "$pid"
unset QT_SCALE_FACTOR
