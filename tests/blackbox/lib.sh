# Shared steps of the black-box scenarios: starting KLV in a folder, finding its windows,
# typing, reading the clipboard as Windows-1251 bytes, and reporting.

PASSED=0
FAILED=0
CURRENT=""

fail() {
    echo "FAIL [$CURRENT]: $*" >&2
    FAILED=$((FAILED + 1))
    return 1
}

pass() {
    echo "ok   [$CURRENT]: $*"
    PASSED=$((PASSED + 1))
}

check() {  # check DESCRIPTION COMMAND...
    local what=$1
    shift
    if "$@"; then pass "$what"; else fail "$what"; fi
}

run_scenario() {
    CURRENT=$(basename "$1" .sh)
    # Each scenario runs in a subshell with counts of its own: a failed step ends that
    # scenario only, and its counts come back through a file.
    # (errexit holds inside the subshell only when it is not an `if` condition.)
    local status
    set +e
    ( PASSED=0; FAILED=0; trap save_counts EXIT; set -e; source "$1" )
    status=$?
    set -e
    if [ "$status" -ne 0 ]; then
        echo "FAIL [$CURRENT]: the scenario stopped early" >&2
        FAILED=$((FAILED + 1))
    fi
    if [ -f "$WORK/.counts" ]; then
        read -r p f <"$WORK/.counts"
        PASSED=$((PASSED + p))
        FAILED=$((FAILED + f))
        rm -f "$WORK/.counts"
    fi
}

save_counts() { echo "$PASSED $FAILED" >"$WORK/.counts"; }

finish() {
    echo "$PASSED passed, $FAILED failed"
    [ "$FAILED" -eq 0 ]
}

# A copy of the sample database in a fresh folder.
make_database() {  # make_database NAME -> prints the folder
    local dir="$WORK/$1"
    mkdir -p "$dir"
    cp -r "$SAMPLE/." "$dir/"
    echo "$dir"
}

# Starts KLV with the folder as its current directory; prints its process id.
start_klv() {
    (cd "$1" && exec "$KLV" >"$1/klv.out" 2>&1) &
    local pid=$!
    PIDS+=("$pid")
    echo "$pid"
}

# The first window whose title matches, waiting up to 10 s; prints its id.
wait_window() {  # wait_window TITLE_REGEX [PID]
    local id=""
    for _ in $(seq 1 100); do
        if [ -n "${2:-}" ]; then
            id=$(xdotool search --all --onlyvisible --pid "$2" --name "$1" 2>/dev/null | head -n 1 || true)
        else
            id=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n 1 || true)
        fi
        [ -n "$id" ] && { echo "$id"; return 0; }
        sleep 0.1
    done
    return 1
}

wait_gone() {  # wait_gone PID
    for _ in $(seq 1 100); do
        kill -0 "$1" 2>/dev/null || return 0
        sleep 0.1
    done
    return 1
}

keys() {  # keys WINDOW KEY...
    local window=$1
    shift
    xdotool windowactivate --sync "$window" >/dev/null 2>&1 || true
    for key in "$@"; do
        xdotool key --clearmodifiers "$key"
        sleep 0.15
    done
}

type_text() {  # type_text TEXT
    xdotool type --delay 40 --clearmodifiers "$1"
    sleep 0.2
}

# The clipboard's text as Windows-1251 bytes, into a file.
clipboard_to() {  # clipboard_to FILE
    xclip -selection clipboard -o 2>/dev/null | iconv -f UTF-8 -t CP1251 >"$1"
}

screenshot() {  # screenshot NAME
    import -window root "$ARTIFACTS/$1.png" 2>/dev/null || true
}

# The caption of every opcode of a line of Nodes.Opcodes, as the list shows them.
captions_of_line() {  # captions_of_line DB LINE
    local numbers
    numbers=$(sed -n "${2}p" "$1/INI/Nodes.Opcodes" | tr -d '\r')
    for n in $numbers; do
        local value
        value=$(grep -a -m1 "^$n=" "$1/INI/SASCM.ini" | tr -d '\r')
        printf '%s: %s\n' "$n" "${value#*,}"
    done
}
