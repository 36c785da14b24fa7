# Installed as a desktop program and started as its menu entry starts it: the launcher
# makes the user's database folder from the installed sample and KLV opens it there.
build=$(dirname "$(dirname "$KLV")")
prefix=$WORK/installed
data=$WORK/xdg-data
cmake --install "$build" --prefix "$prefix" >"$WORK/install.log"
(cd / && XDG_DATA_HOME=$data exec "$prefix/bin/kelpra" >"$WORK/kelpra.out" 2>&1) &
pid=$!
echo "$pid" >>"$WORK/.pids"
win=$(wait_window '^Kelpra v\.0\.2b$' "$pid") || fail "the main window did not open"
sleep 0.5
screenshot installed
check "the sample is copied to \$XDG_DATA_HOME/kelpra" diff -r "$prefix/share/kelpra/sample" "$data/kelpra"
check "KLV reads the user's folder" test "$(readlink "/proc/$pid/cwd")" = "$data/kelpra"
check "the window has Kelpra's icon" sh -c "xprop -id $win _NET_WM_ICON | grep -q 'Icon (48 x 48)'"
check "no error at start" test ! -e "$data/kelpra/errors.log"
check "KLV ends when its window is closed" close_klv "$win" "$pid"
