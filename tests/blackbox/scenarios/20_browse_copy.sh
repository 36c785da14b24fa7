# Choosing a category from the keyboard, copying its rows, and choosing
# categories with the mouse while the tree expands them itself.
db=$(make_database browse)
open_klv "$db"
# The third node, "Игрок", lists line 2 of Nodes.Opcodes.
choose_node "$win" 3
captions_of_line "$db" 2 >"$WORK/player"

keys "$win" ctrl+alt+c
all_text <"$WORK/player" >"$WORK/expected"
check "copy all: CR LF before each caption of the category" clipboard_is "$WORK/expected"

# "Добавить всё", the fourth item of the list's context menu (Menu key): the text the
# clipboard held, exactly as it was (also the characters that Windows-1251 lacks), CR LF,
# then the whole list.
kept='Grüße € 日本 ✓'
set_clipboard "$kept"
keys "$win" Menu Down Down Down Down Return
{ printf '%s\r\n' "$kept"; all_text <"$WORK/player" | iconv -f CP1251 -t UTF-8; } \
    >"$WORK/expected"
check "add all from the context menu: the old text as it was, CR LF, the list" \
    clipboard_is "$WORK/expected" UTF-8

# Auto-expand ("Вид", "Дерево", "Авторазвёртывание") and mouse clicks on the tree: the
# clicked node is the one listed, although the branch that closes moves the rows below it.
check "the tree's rows are found on screen" find_tree_rows "$win" 4
keys "$win" alt Right Right Down Down Right Down Return
click_tree_row 0 # "Актёры", which opens its two children
click_tree_row 11 # "Мир" (line 41), nine rows below "Актёры" while it was closed
screenshot auto-expand
keys "$win" Tab Tab ctrl+alt+c
captions_of_line "$db" 41 | all_text >"$WORK/expected"
check "auto-expand: the click on the row below a closing branch lists that row's node" \
    clipboard_is "$WORK/expected"
click_tree_row 1 # "Транспорт", which opens its five children
click_tree_row 13 # "Камера" (line 40), row 8 once "Транспорт" has closed; a drag from it selects nothing
xdotool mousemove "$TREE_X" $((ROW_TOP + 8 * ROW_H + ROW_H / 2)) mousedown 1 mousemove_relative 0 "$ROW_H" mouseup 1
keys "$win" Tab Tab ctrl+alt+c
captions_of_line "$db" 40 | all_text >"$WORK/expected"
check "auto-expand: a click below the opened branch lists the clicked node, a drag nothing" \
    clipboard_is "$WORK/expected"
check "KLV ends when its window is closed" close_klv "$win" "$pid"
