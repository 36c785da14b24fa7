#!/usr/bin/env bash
# Installs Kelpra into a temporary DESTDIR and checks the tree: the files, the desktop
# entry and the AppStream data through their validators, and how the menu entry's launcher
# picks and makes the database folder (with a stand-in KLV that notes where it started).
#   install_check.sh BUILD_DIR SOURCE_DIR
set -euo pipefail

BUILD=$(realpath "$1")
SOURCE=$(realpath "$2")
# shellcheck source=tests/install/lib.sh
source "$(dirname "$0")/lib.sh"

stage_install "$BUILD" install
prefix=$WORK/root/usr
kelpra=$prefix/bin/kelpra

# --- The tree ---------------------------------------------------------------------------
check "the installed files, the sample apart" same_text "bin/KLV
bin/kelpra
bin/klv-check
share/applications/kelpra.desktop
share/doc/kelpra/changelog.gz
share/doc/kelpra/copyright
share/icons/hicolor/48x48/apps/kelpra.png
share/icons/hicolor/scalable/apps/kelpra.svg
share/man/man1/KLV.1.gz
share/man/man1/kelpra.1.gz
share/man/man1/klv-check.1.gz
share/metainfo/io.github.kelpra.kelpra.metainfo.xml" \
    "$(files_under "$prefix" | grep -v '^share/kelpra/sample/')"
check "the sample database and Intro.html, as in the source" \
    diff -r -x .gitattributes -x errors.log -x temp.txt -x opc.ini "$SOURCE/sample" "$prefix/share/kelpra/sample"
check "the desktop entry is valid" desktop-file-validate "$prefix/share/applications/kelpra.desktop"
check "the AppStream data are valid" \
    appstreamcli validate --no-net "$prefix/share/metainfo/io.github.kelpra.kelpra.metainfo.xml"
check "the PNG icon is 48 px square" \
    test "$(identify -format %wx%h "$prefix/share/icons/hicolor/48x48/apps/kelpra.png")" = 48x48
check "klv-check's manual page tells its exit statuses" \
    sh -c "gzip -dc '$prefix/share/man/man1/klv-check.1.gz' | grep -q '^.SH EXIT STATUS'"

# --- The launcher -----------------------------------------------------------------------
# A stand-in for KLV notes the folder it was started in.
cat >"$prefix/bin/KLV" <<EOF
#!/bin/sh
pwd -P >"$WORK/started"
printf '[%s]' "\$@" >"$WORK/arguments"
EOF
share_state() { (cd "$prefix/share" && find . -printf '%p %s %m %T@\n' | sort); }
share_before=$(share_state)

# Runs the launcher with XDG_DATA_HOME unset and the given VAR=VALUE settings and
# arguments; prints the folder KLV started in, or nothing.
started_in() {  # started_in [VAR=VALUE...] [--] [FOLDER]
    local settings=()
    while [ $# -gt 0 ] && [[ $1 == *=* ]]; do settings+=("$1"); shift; done
    [ "${1-}" != -- ] || shift
    rm -f "$WORK/started"
    env -u XDG_DATA_HOME "${settings[@]}" "$kelpra" "$@" 2>"$WORK/launcher.err" || true
    cat "$WORK/started" 2>/dev/null || true
}

home=$WORK/home
xdg=$WORK/xdg
mkdir -p "$home"

check "first start: KLV starts in \$XDG_DATA_HOME/kelpra" \
    test "$(started_in HOME="$home" XDG_DATA_HOME="$xdg")" = "$xdg/kelpra"
check "first start: the folder holds the sample, no half copy beside it, nothing under HOME" \
    sh -c "diff -r '$prefix/share/kelpra/sample' '$xdg/kelpra' && test -z \"\$(ls -A '$xdg' | grep -v '^kelpra\$')\" && test ! -e '$home/.local'"

echo "edited" >>"$xdg/kelpra/INI/SASCM.ini"
rm "$xdg/kelpra/Intro.html"
check "second start: the same folder" test "$(started_in HOME="$home" XDG_DATA_HOME="$xdg")" = "$xdg/kelpra"
check "second start: the user's changes stay, nothing is copied again" \
    sh -c "tail -n 1 '$xdg/kelpra/INI/SASCM.ini' | grep -q edited && test ! -e '$xdg/kelpra/Intro.html'"

mkdir -p "$WORK/own/kelpra"
echo mine >"$WORK/own/kelpra/notes.txt"
check "an existing folder is used as it is, untouched" \
    test "$(started_in HOME="$home" XDG_DATA_HOME="$WORK/own")" = "$WORK/own/kelpra" -a "$(ls -A "$WORK/own/kelpra")" = notes.txt

check "XDG_DATA_HOME unset: ~/.local/share/kelpra, the sample copied there" \
    test "$(started_in HOME="$home")" = "$home/.local/share/kelpra" -a -f "$home/.local/share/kelpra/INI/SASCM.ini"
rm -rf "$home/.local"
check "XDG_DATA_HOME relative: ignored, ~/.local/share/kelpra" \
    test "$(started_in HOME="$home" XDG_DATA_HOME=relative/dir)" = "$home/.local/share/kelpra"

mkdir -p "$WORK/db/INI"
check "a folder given: KLV starts there, no user folder is made" \
    test "$(started_in HOME="$WORK/none" -- "$WORK/db")" = "$WORK/db" -a ! -e "$WORK/none"
check "a missing folder given: KLV does not start, the launcher says why" \
    sh -c "test -z \"\$1\" && grep -q 'no database folder' '$WORK/launcher.err'" _ \
    "$(started_in HOME="$home" -- "$WORK/no-such-folder")"

check "a look-up passes on to KLV, started in the folder given" sh -c \
    "test \"\$1\" = '$WORK/db' && test \"\$(cat '$WORK/arguments')\" = '[--show][a8c]'" _ \
    "$(started_in HOME="$home" --show a8c "$WORK/db")"
check "and its --print=WHAT form, in the user's folder" sh -c \
    "test \"\$1\" = '$home/.local/share/kelpra' && test \"\$(cat '$WORK/arguments')\" = '[--print][wait ms]'" _ \
    "$(started_in HOME="$home" -- '--print=wait ms')"

# A copy that fails part-way (a cp that copies, then reports a failure) leaves nothing.
mkdir -p "$WORK/failing-cp"
printf '#!/bin/sh\n%s "$@"\nexit 1\n' "$(command -v cp)" >"$WORK/failing-cp/cp"
chmod +x "$WORK/failing-cp/cp"
check "a failed copy: KLV does not start, neither a database folder nor a half copy is left" \
    test -z "$(started_in HOME="$home" XDG_DATA_HOME="$WORK/fail" PATH="$WORK/failing-cp:$PATH")$(ls -A "$WORK/fail")"

check "installed under the data folder itself: refused, not opened" \
    test -z "$(started_in HOME="$home" XDG_DATA_HOME="$prefix/share")"
check "the installed share/ folder is never written" same_text "$share_before" "$(share_state)"

finish
