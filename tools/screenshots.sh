#!/usr/bin/env bash
# The README's pictures of the main window on the sample database, one for each interface
# language (kelpra-en.png, kelpra-ru.png), taken under a virtual display.
#   screenshots.sh KLV SAMPLE_DIR OUT_DIR
set -euo pipefail

if [ -z "${KELPRA_SCREENSHOTS_DISPLAY:-}" ]; then
    export KELPRA_SCREENSHOTS_DISPLAY=1
    exec xvfb-run -a -s "-screen 0 900x560x24" bash "$0" "$@"
fi

export QT_QPA_PLATFORM=xcb LC_ALL=C.UTF-8
KLV=$(realpath "$1")
SAMPLE=$(realpath "$2")
OUT=$(mkdir -p "$3" && realpath "$3")
openbox >/dev/null 2>&1 &
PIDS=($!)
trap 'kill "${PIDS[@]}" 2>/dev/null || true' EXIT
sleep 1

for language in en ru; do
    (cd "$SAMPLE" && LANGUAGE=$language exec "$KLV") >/dev/null 2>&1 &
    PIDS+=($!)
    win=""
    for _ in $(seq 1 100); do
        win=$(xdotool search --onlyvisible --pid "${PIDS[-1]}" --name '^Kelpra' 2>/dev/null | head -n 1 || true)
        [ -n "$win" ] && break
        sleep 0.1
    done
    [ -n "$win" ] || { echo "KLV's window did not open" >&2; exit 1; }
    sleep 1
    # A category chosen in the tree, and the first opcode of its list with its description.
    xdotool windowactivate --sync "$win" key --clearmodifiers --delay 150 \
        shift+Tab shift+Tab Home Down Down Tab Tab Down
    sleep 1
    import -window root -colors 64 "PNG8:$OUT/kelpra-$language.png"
    kill "${PIDS[-1]}"
    echo "$OUT/kelpra-$language.png"
done
