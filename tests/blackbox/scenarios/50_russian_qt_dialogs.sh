# Under a Russian locale Qt's own dialogs speak Russian too.
[ -e "$(qmake6 -query QT_INSTALL_TRANSLATIONS)/qtbase_ru.qm" ] ||
    { echo "skip [$CURRENT]: no Qt's Russian translation (qt6-translations-l10n)"; exit 0; }
export LANGUAGE=ru
open_klv "$(make_database russian)"
accessible "Шрифт..."
dialog=$(wait_window '^Выбор шрифта$' "$pid") || fail "no font dialog titled in Russian"
accessible >"$WORK/russian.txt"
check "the font dialog's buttons in Russian" grep -qx 'push button: Отмена' "$WORK/russian.txt"
keys "$dialog" Escape
close_klv "$win" "$pid"
