#!/usr/bin/env bash
# wine-run.sh PREFIX PROGRAM.exe [ARGS...]: runs a Windows program under Wine in its own
# prefix, headless (no display, no dialogs, no Wine messages). The first run makes the
# prefix, once and quietly; the build uses this as its emulator for the Windows tests.
set -euo pipefail
export WINEPREFIX=$1
shift
export WINEDEBUG=-all WINEARCH=win64
# No Mono or Gecko installers, no menu entries: nothing that would want a display.
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
unset DISPLAY WAYLAND_DISPLAY
wine=$(command -v wine64 || echo /usr/lib/wine/wine64)
if [ ! -f "$WINEPREFIX/system.reg" ]; then
  mkdir -p "$WINEPREFIX"
  # One first start at a time; a half-made prefix is made again.
  (
    flock 9
    if [ ! -f "$WINEPREFIX/system.reg" ]; then
      "$wine" wineboot --init >/dev/null 2>&1 || true
      "$(dirname "$wine")/wineserver" -w 2>/dev/null || true
      [ -f "$WINEPREFIX/system.reg" ] || { echo "wine-run: cannot make the prefix $WINEPREFIX" >&2; exit 1; }
    fi
  ) 9>"$WINEPREFIX.lock"
fi
exec "$wine" "$@"
