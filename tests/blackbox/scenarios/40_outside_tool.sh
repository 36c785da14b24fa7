# "Искать в OST" with the outside tool's two files in the data folder: the listed captions
# go to temp.txt, opc.ini points at it, and the tool starts.
db=$(make_database ost)
cat >"$db/opctool.exe" <<'TOOL'
#!/bin/sh
# Stands in for the outside search tool: records each start and the temp.txt it saw.
echo started >>started.log
cp temp.txt "seen-$(wc -l <started.log | tr -d ' ').txt"
TOOL
chmod +x "$db/opctool.exe"
printf '[main]\r\nlang=ru\r\n[setup]\r\ntxt=old.txt\r\nfont=8\r\n' >"$db/opc.ini"
open_klv "$db"
choose_node "$win" 3
captions_of_line "$db" 2 | all_text >"$WORK/expected"

# The menu bar from the keyboard: Alt, then "Поиск"; its item after the separator.
keys "$win" alt Right Down Down Return
wait_until 10 test -s "$db/seen-1.txt" || true
check "the tool started and saw CR LF before each listed caption in temp.txt" \
    same_bytes "$WORK/expected" "$db/seen-1.txt"
printf '[main]\r\nlang=ru\r\n[setup]\r\ntxt=temp.txt\r\nfont=8\r\n' >"$WORK/expected"
check "opc.ini points at temp.txt and keeps the rest" same_bytes "$WORK/expected" "$db/opc.ini"

# Again, after the tool's files are gone: the item stays, opc.ini is made anew, and a
# second tool starts.
rm "$db/opc.ini" "$db/temp.txt"
keys "$win" alt Right Down Down Return
wait_until 10 test -s "$db/seen-2.txt" || true
check "a second tool started" test "$(wc -l <"$db/started.log")" -eq 2
check "opc.ini holds the section and the key" grep -aqx $'txt=temp.txt\r' "$db/opc.ini"
check "KLV ends when its window is closed" close_klv "$win" "$pid"
