#!/usr/bin/env bash
# Installs, only when missing, every Debian package that building, testing and
# benchmarking Kelpra needs. Extra package names may be given as arguments
# (for example the tools of the desktop test).
set -euo pipefail

# clang-format for the sources' one style. The desktop test's and the screenshots' tools: a
# virtual display and window manager, key presses, the accessibility bus and its client,
# and Qt's GTK platform theme for the dark desktop (Adwaita's dark theme comes with GTK).
packages=(g++ cmake ninja-build make pkg-config clang-format qt6-base-dev libgl-dev
          qt6-tools-dev qt6-l10n-tools qt6-translations-l10n
          libgtest-dev libgmock-dev libbenchmark-dev
          xvfb xauth xdotool xclip x11-utils openbox imagemagick libcanberra-dev libfontconfig-dev
          dbus-daemon dbus-bin at-spi2-core python3-pyatspi python3-xlib qt6-gtk-platformtheme
          fonts-dejavu-core fonts-urw-base35 "$@")
# Installing and packaging: the desktop entry's and AppStream validators, what CPack's
# Debian generator runs (dpkg-shlibdeps, file) and Debian's
# package checker.
packages+=(desktop-file-utils appstream dpkg-dev file lintian)
# The Windows build: MinGW-w64's C++20 compiler with POSIX threads, GoogleTest's sources to
# build for it, and Wine (64-bit) to run its programs and tests.
packages+=(g++-mingw-w64-x86-64-posix googletest wine64)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done

[ ${#missing[@]} -eq 0 ] && exit 0

cmd="apt-get install -y --no-install-recommends ${missing[*]}"
if [ "$(id -u)" -ne 0 ]; then
  echo "Kelpra needs these packages, which are not installed: ${missing[*]}" >&2
  echo "Install them as root with:" >&2
  echo "  apt-get update && $cmd" >&2
  exit 1
fi

echo "Installing: ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
apt-get update -qq
apt-get install -y -qq --no-install-recommends "${missing[@]}"
