# Shared steps of the install and package checks: counted checks and the installed tree.

PASSED=0
FAILED=0

check() {  # check DESCRIPTION COMMAND...
    local what=$1
    shift
    if "$@"; then echo "ok   $what"; PASSED=$((PASSED + 1)); else echo "FAIL $what" >&2; FAILED=$((FAILED + 1)); fi
}

same_text() {  # same_text EXPECTED ACTUAL
    [ "$1" = "$2" ] && return 0
    diff <(echo "$1") <(echo "$2") >&2
    return 1
}

# Every file and link under a folder, relative to it, sorted.
files_under() { (cd "$1" && find . ! -type d | cut -c3- | LC_ALL=C sort); }  # files_under FOLDER

finish() { echo "$PASSED passed, $FAILED failed"; [ "$FAILED" -eq 0 ]; }

# A scratch folder for the check ($WORK, removed at exit) and the build installed under
# $WORK/root with the prefix /usr, as the package lays it out.
stage_install() {  # stage_install BUILD_DIR NAME
    WORK=$(mktemp -d "/tmp/kelpra-$2-XXXXXX")
    trap 'rm -rf "$WORK"' EXIT
    DESTDIR=$WORK/root cmake --install "$1" --prefix /usr >"$WORK/install.log"
}
