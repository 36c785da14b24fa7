# Ctrl+R starts a new instance and closes this one.
db=$(make_database restart)
open_klv "$db"
keys "$win" ctrl+r
check "the old instance ends" wait_gone "$pid"
new=""
new_instance() {
    for w in $(xdotool search --name "$MAIN_TITLE" 2>/dev/null); do
        p=$(xdotool getwindowpid "$w" 2>/dev/null || true)
        [ -n "$p" ] && [ "$p" != "$pid" ] && { new=$p; newwin=$w; }
    done
    [ -n "$new" ]
}
check "a new instance runs" wait_until 10 new_instance
check "the new instance reads the same folder" test "$(readlink "/proc/$new/cwd")" = "$db"
if [ -n "$new" ]; then
    echo "$new" >>"$WORK/.pids"
    check "the new instance starts minimised" \
        until_true sh -c "xprop -id $newwin WM_STATE | grep -q 'window state: Iconic'"
    check "a look-up reaches the new instance, not a window of its own" sh -c "cd '$db' && timeout 30 '$KLV' --show 1"
    # Activating the window restores it; then it closes like any other.
    check "the new instance ends when its window is closed" close_klv "$newwin" "$new"
fi
