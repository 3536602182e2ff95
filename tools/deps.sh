#!/usr/bin/env bash
# Installs the Debian packages Lullara needs, only those that are missing.
# Usage: tools/deps.sh run|test|windows
#   windows: the MinGW cross compiler, Wine and NSIS for tools/windows/, plus
#   what the smoke test under Wine drives the program with.
set -euo pipefail

BUILD_PKGS=(cmake make g++ pkg-config qt6-base-dev libgl-dev libx11-dev
            fonts-liberation fonts-dejavu-core xdg-utils qt6-translations-l10n
            libglib2.0-dev qt6-l10n-tools qt6-tools-dev)
TEST_PKGS=(xvfb xauth openbox xdotool xclip x11-utils imagemagick
           desktop-file-utils appstream poppler-utils cups cups-client cups-bsd
           printer-driver-cups-pdf chromium dpkg-dev file lintian man-db
           libxdamage-dev python3 python3-pyatspi at-spi2-core dbus)

WINDOWS_PKGS=(g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64 ninja-build
              dpkg-dev xz-utils zip unzip nsis wine wine64 xvfb xauth openbox
              xdotool xclip x11-utils imagemagick)

want=("${BUILD_PKGS[@]}")
case "${1:-run}" in
  test) want+=("${TEST_PKGS[@]}") ;;
  windows) want+=("${WINDOWS_PKGS[@]}") ;;
esac

# One dpkg-query for all of them: a start with everything in place stays quick.
# (It fails for names it has never seen; those are missing like the rest.)
installed=" $({ dpkg-query -W -f='${Package} ${Status}\n' "${want[@]}" 2>/dev/null || true; } |
  awk '$2 == "install" && $4 == "installed" {print $1}' | tr '\n' ' ') "
missing=()
for p in "${want[@]}"; do
  [[ "$installed" == *" $p "* ]] || missing+=("$p")
done

if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

echo "Installing missing packages: ${missing[*]}"
SUDO=""
if [ "$(id -u)" -ne 0 ]; then
  SUDO="sudo"
fi
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -qq
$SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
