# Under a Russian locale Qt's font dialog (Вид, Расшир. список опкодов, Шрифт...) is Russian.
[ -e "$(qmake6 -query QT_INSTALL_TRANSLATIONS)/qtbase_ru.qm" ] ||
    { echo "skip [$CURRENT]: no Qt's Russian translation (qt6-translations-l10n)"; exit 0; }
export LANGUAGE=ru
open_klv "$(make_database russian)"
keys "$win" alt Right Right Down Right Up Return
dialog=$(wait_window '^Выбор шрифта$' "$pid") || fail "no font dialog titled in Russian"
check "the font dialog's buttons in Russian" until_true accessible_has 'push button: Отмена'
keys "$dialog" Escape
close_klv "$win" "$pid"
