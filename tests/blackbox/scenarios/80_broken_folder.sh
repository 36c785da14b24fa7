# A broken data file, in English: one error box, one errors.log record, the window still opens.
export LANGUAGE=en
db=$(make_database broken)
printf '[OPCODES]\r\n0001=x,broken count\r\n' >"$db/INI/SASCM.ini"
pid=$(start_klv "$db")
box=$(wait_window '^Error$' "$pid") || fail "no error box"
settle "$box"
screenshot error-box
tells() { accessible | grep -F "$1" >/dev/null; }
check "the box tells the error in English" until_true tells \
    "label: An unexpected error occurred: \"'x' is not a valid integer value\" (class EConvertError)."
check "the log is written only after the box is closed" test ! -e "$db/errors.log"
keys "$box" Return
main=$(wait_window "$MAIN_TITLE" "$pid") || fail "the main window did not open after the error"
english() {
    accessible >"$WORK/main.txt"
    test "$(grep -cxF -e 'menu item: File' -e 'menu item: Advanced Search...' \
        -e 'label: Total: 0' -e 'list item: Actions' "$WORK/main.txt")" = 4
}
check "its menus, status bar and type list in English" until_true english
check "no Russian text in the window" test "$(grep -cP '[\x{400}-\x{4ff}]' "$WORK/main.txt")" = 0
check "errors.log ends with the record: the class, the message, a blank line" grep -Pzq \
    "[0-9]{2}\\.[0-9]{2}\\.[0-9]{4} [0-9]{1,2}:[0-9]{2}:[0-9]{2}\\. Exception EConvertError in module KLV at (?!00000000)[0-9A-F]{8}\\.\r\n'x' is not a valid integer value\\.\r\n\r\n\\z" "$db/errors.log"
check "KLV ends when its window is closed" close_klv "$main" "$pid"
