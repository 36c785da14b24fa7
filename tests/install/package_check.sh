#!/usr/bin/env bash
# Checks the Debian package that `make package` made: it holds exactly what cmake --install
# installs and depends on Debian's Qt 6 runtime. As root it then installs the package with
# apt-get (for CI's machine, which is thrown away after the run), checks the menu entry,
# the programs and the launcher's first start with the real KLV, and removes it again.
#   package_check.sh PACKAGE.deb BUILD_DIR
set -euo pipefail

DEB=$(realpath "$1")
BUILD=$(realpath "$2")
# shellcheck source=tests/install/lib.sh
source "$(dirname "$0")/lib.sh"

stage_install "$BUILD" package
# dpkg-deb lists ./usr/bin/KLV and the like; folders end with a slash.
check "the package holds what cmake --install installs" same_text \
    "$(files_under "$WORK/root/usr")" \
    "$(dpkg-deb --fsys-tarfile "$DEB" | tar -t | grep -v '/$' | sed 's|^\./usr/||' | LC_ALL=C sort)"
depends=$(dpkg-deb -f "$DEB" Depends)
echo "Depends: $depends"
for p in libqt6core6 libqt6gui6 libqt6widgets6 qt6-qpa-plugins qt6-translations-l10n hicolor-icon-theme; do
    check "it depends on $p" grep -q "\b$p\b" <<<"$depends"
done
check "lintian finds neither error nor warning" lintian --fail-on error,warning "$DEB"

if [ "$(id -u)" -ne 0 ]; then
    echo "skip: installing the package needs root"
    finish
    exit
fi

# apt-get's and KLV's own output only when a step fails.
quiet() { "$@" >"$WORK/output" 2>&1 || { cat "$WORK/output" >&2; return 1; }; }
trap 'apt-get remove -y -qq kelpra >/dev/null 2>&1 || true; rm -rf "$WORK"' EXIT
export DEBIAN_FRONTEND=noninteractive
check "apt-get installs it" quiet apt-get install -y --no-install-recommends "$DEB"
check "klv-check finds the installed sample clean" /usr/bin/klv-check /usr/share/kelpra/sample
home=$WORK/home
mkdir -p "$home"
# KLV is still running after 5 s (timeout's status 124): it started and did not fail.
status=0
HOME=$home QT_QPA_PLATFORM=offscreen timeout 5 env -u XDG_DATA_HOME kelpra >"$WORK/klv.out" 2>&1 ||
    status=$?
check "the first start runs KLV" test "$status" -eq 124
check "apt-get removes it again" quiet apt-get remove -y kelpra
check "nothing of it is left in /usr/bin" test ! -e /usr/bin/KLV -a ! -e /usr/bin/kelpra
finish
