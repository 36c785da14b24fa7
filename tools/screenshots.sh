#!/usr/bin/env bash
# The main window on the sample database on each desktop it is made for, under a virtual
# display: the light and the dark palette (Adwaita's dark theme, through Qt's GTK platform
# theme), scale 1 and 2, each interface language; one PNG each, named
# kelpra-LANGUAGE-PALETTE-SCALEx.png, in OUT_DIR. With DOCS_DIR, the README's pictures are
# copied there: kelpra-en.png and kelpra-ru.png (light) and kelpra-dark.png.
#   screenshots.sh KLV SAMPLE_DIR OUT_DIR [DOCS_DIR]
set -euo pipefail

KLV=$(realpath "$1")
SAMPLE=$(realpath "$2")
OUT=$(mkdir -p "$3" && realpath "$3")
DOCS=${4:+$(mkdir -p "$4" && realpath "$4")}

# One virtual display per scale, as large as the scale makes the designed 900 x 560.
if [ -z "${KELPRA_SCREENSHOTS_SCALE:-}" ]; then
    for scale in 1 2; do
        KELPRA_SCREENSHOTS_SCALE=$scale xvfb-run -a -s "-screen 0 $((900 * scale))x$((560 * scale))x24" \
            bash "$0" "$KLV" "$SAMPLE" "$OUT"
    done
    if [ -n "$DOCS" ]; then
        for language in en ru; do
            cp "$OUT/kelpra-$language-light-1x.png" "$DOCS/kelpra-$language.png"
        done
        cp "$OUT/kelpra-en-dark-1x.png" "$DOCS/kelpra-dark.png"
    fi
    exit 0
fi

export QT_QPA_PLATFORM=xcb LC_ALL=C.UTF-8 QT_SCALE_FACTOR=$KELPRA_SCREENSHOTS_SCALE
openbox >/dev/null 2>&1 &
PIDS=($!)
trap 'kill "${PIDS[@]}" 2>/dev/null || true' EXIT
for _ in $(seq 1 50); do # the window manager takes the screen
    xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break
    sleep 0.1
done

for palette in light dark; do
    for language in en ru; do
        theme=()
        [ "$palette" = dark ] && theme=(QT_QPA_PLATFORMTHEME=gtk3 GTK_THEME=Adwaita:dark)
        (cd "$SAMPLE" && exec env "${theme[@]}" LANGUAGE=$language "$KLV") >/dev/null 2>&1 &
        PIDS+=($!)
        win=""
        for _ in $(seq 1 100); do
            win=$(xdotool search --onlyvisible --pid "${PIDS[-1]}" --name '^Kelpra' 2>/dev/null | head -n 1 || true)
            [ -n "$win" ] && break
            sleep 0.1
        done
        [ -n "$win" ] || { echo "KLV's window did not open" >&2; exit 1; }
        sleep 1
        # A category chosen in the tree, and the first opcode of its list with its
        # description; the grid lines on.
        xdotool windowactivate --sync "$win" key --clearmodifiers --delay 150 \
            shift+Tab shift+Tab Home Down Down Tab Tab Down alt Right Right Down Right Return
        sleep 1
        name="kelpra-$language-$palette-${KELPRA_SCREENSHOTS_SCALE}x.png"
        import -window root -colors 64 "PNG8:$OUT/$name"
        kill "${PIDS[-1]}"
        echo "$OUT/$name"
    done
done
