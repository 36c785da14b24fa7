# Shared steps of the install and package checks: counted checks and the installed tree.

PASSED=0
FAILED=0

check() {  # check DESCRIPTION COMMAND...
    local what=$1
    shift
    if "$@"; then
        echo "ok   $what"
        PASSED=$((PASSED + 1))
    else
        echo "FAIL $what" >&2
        FAILED=$((FAILED + 1))
    fi
}

same_text() {  # same_text EXPECTED ACTUAL
    [ "$1" = "$2" ] && return 0
    diff <(echo "$1") <(echo "$2") >&2
    return 1
}

# Every file and link under a folder, relative to it, sorted.
files_under() {  # files_under FOLDER
    (cd "$1" && find . ! -type d | cut -c3- | LC_ALL=C sort)
}

finish() {
    echo "$PASSED passed, $FAILED failed"
    [ "$FAILED" -eq 0 ]
}
