#!/usr/bin/env bash
# Drives the real KLV program under a virtual X display with real key and mouse events,
# as a user would, and checks what it leaves behind: windows, clipboard, files.
#   klv_blackbox.sh KLV SAMPLE_DIR ARTIFACT_DIR
# KLV_BLACKBOX_ONLY=PATTERN runs only the scenarios whose names match (for example 90_*).
set -euo pipefail

if [ -z "${KLV_BLACKBOX_DISPLAY:-}" ]; then
    export KLV_BLACKBOX_DISPLAY=1
    exec xvfb-run -a -s "-screen 0 1280x800x24" "$0" "$@"
fi

# The real desktop, not the offscreen platform the other tests use; a UTF-8 locale and the
# Russian interface whatever the caller's, so that the tools read the windows' titles.
export QT_QPA_PLATFORM=xcb LC_ALL=C.UTF-8 LANGUAGE=
KLV=$(realpath "$1")
SAMPLE=$(realpath "$2")
ARTIFACTS=$(mkdir -p "$3" && realpath "$3")
HERE=$(dirname "$(realpath "$0")")
WORK=$(mktemp -d /tmp/klv-blackbox-XXXXXX)
PIDS=()

# A sanitized KLV writes any report (an invalid access, undefined behaviour, a leak found
# at exit) to a file of its own here instead of into the scenario's output.
for var in ASAN_OPTIONS UBSAN_OPTIONS; do
    export "$var=${!var:-}${!var:+:}log_path=$WORK/sanitizer"
done

cleanup() {
    local pid
    for pid in "${PIDS[@]}" $(cat "$WORK/.pids" 2>/dev/null); do
        kill "$pid" 2>/dev/null || true
    done
    rm -rf "$WORK"
}
trap cleanup EXIT

# shellcheck source=tests/blackbox/lib.sh
source "$HERE/lib.sh"

# Openbox is up once it names its check window. About one start in eight, it fails to open
# the display that answers other clients ("Failed to open the display"): it is then started
# again, up to three times, and each failure is told.
wait_until 10 sh -c 'xprop -root >/dev/null 2>&1' || { echo "the display did not answer" >&2; exit 1; }
start_window_manager() {
    openbox >"$WORK/openbox.log" 2>&1 &
    PIDS+=($!)
    wait_until 5 sh -c 'xprop -root _NET_SUPPORTING_WM_CHECK | grep -q "window id"'
}
for attempt in 1 2 3; do
    start_window_manager && break
    echo "openbox did not come up: $(cat "$WORK/openbox.log")" >&2
    [ "$attempt" -lt 3 ] || exit 1
done
# A session bus of its own, on which KLV shows its windows to the accessibility interface;
# the accessibility bus is up once it gives its address.
{ read -r DBUS_SESSION_BUS_ADDRESS; read -r pid; PIDS+=("$pid"); } < \
    <(dbus-daemon --session --fork --print-address=1 --print-pid=1 2>/dev/null)
export DBUS_SESSION_BUS_ADDRESS QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
wait_until 10 dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus \
    org.a11y.Bus.GetAddress >/dev/null 2>&1 || { echo "no accessibility bus" >&2; exit 1; }

for scenario in "$HERE"/scenarios/${KLV_BLACKBOX_ONLY:-*}.sh; do
    run_scenario "$scenario"
done
check_sanitizer_reports || true
finish
