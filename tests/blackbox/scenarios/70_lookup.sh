# A look-up from outside: a second `KLV --show` on the same folder brings the open window to
# the front with the opcode's row selected and ends at once, while a KLV --show on another
# folder starts a window of its own. A look-up waits for an open message box.
db=$(make_database lookup)
other=$(make_database lookup-other)
open_klv "$db"
first=$win
selected() { accessible_has "label: Выделено: $1"; }

keys "$first" ctrl+c  # nothing is selected: the error box
box=$(wait_window '^Error$' "$pid") || fail "no error box"
check "a look-up while the box is open is taken" sh -c "cd '$db' && '$KLV' --show 0A8C"
settle "$first"  # the window has done with the look-up it took
check "but not shown while the box is open" selected 0
keys "$box" Return
check "it is shown once the box is closed" until_true selected 1

otherpid=$(start_klv "$other" --show 0A8C)
otherwin=$(wait_window "$MAIN_TITLE" "$otherpid") || fail "another folder's look-up opened no window"
check "another folder's window comes above the first" until_true stacked_above "$otherwin" "$first"

check "the look-up on the open folder ends with status 0" sh -c "cd '$db' && timeout 30 '$KLV' --show 0A8C"
check "it opens no second window on that folder" \
    test "$(xdotool search --onlyvisible --name "$MAIN_TITLE" 2>/dev/null | wc -l)" -eq 2
check "the open window comes to the front" until_true stacked_above "$first" "$otherwin"
screenshot lookup-shown
# The row is selected and focused: the list's copy command takes exactly it.
printf '0A8C: %s\n' "$(record_text "$db/INI/SASCM.ini" 0A8C)" | add_translations "$db" |
    selection_text >"$WORK/expected-row"
keys "$first" ctrl+c
check "the open window shows 0A8C selected" clipboard_is "$WORK/expected-row"

# From here on the first window is the only KLV the accessibility interface shows.
check "the other folder's window ends when closed" close_klv "$otherwin" "$otherpid"
check "an unlisted opcode changes nothing but the status bar" \
    sh -c "cd '$db' && '$KLV' --show 0AFF"
check "and is told in status panel 0" \
    until_true accessible_has 'label: Опкод 0AFF не показан ни в одной категории.'
# Something else on the clipboard first, so that only a new copy can pass.
set_clipboard "not a copy"
keys "$first" ctrl+c
check "the selection stays" clipboard_is "$WORK/expected-row"

check "the first window ends when closed" close_klv "$first" "$pid"
