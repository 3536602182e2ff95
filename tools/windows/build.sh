#!/usr/bin/env bash
# Builds Lullara for 64-bit Windows from one command: the MinGW, Wine and NSIS
# packages (tools/deps.sh windows), Qt from the cache (cross-built once by
# build-qt.sh), lullara.exe with its self-contained folder, and the packages.
#
# Usage: tools/windows/build.sh [program|all]
#   program  lullara.exe, its folder (build-win/bin) and the packages (the default)
#   all      the unit test programs as well (build-win/tests)
# Packages land in build-win/packages: Lullara-<version>-win64.zip and
# Lullara-<version>-win64.exe (the installer).
# Environment: LULLARA_WIN_BUILD (the build folder, default build-win).
set -euo pipefail
cd "$(dirname "$0")/../.."
mode=${1:-program}
case $mode in
  program) testing=OFF; targets=(--target lullara) ;;
  all) testing=ON; targets=() ;;
  *) echo "usage: $0 [program|all]" >&2; exit 2 ;;
esac
build=${LULLARA_WIN_BUILD:-build-win}

tools/deps.sh windows
qt="$(tools/windows/build-qt.sh | tail -n 1)"
toolchain="$qt/lib/cmake/Qt6/qt.toolchain.cmake"
[ -f "$toolchain" ] || { echo "build.sh: no $toolchain" >&2; exit 1; }

# Configure when the folder is new, was configured for the other mode or
# for another Qt.
if ! grep -qxE "BUILD_TESTING:[A-Z]+=$testing" "$build/CMakeCache.txt" 2>/dev/null ||
   ! grep -qF "CMAKE_TOOLCHAIN_FILE:FILEPATH=$toolchain" "$build/CMakeCache.txt" 2>/dev/null; then
  rm -f "$build/CMakeCache.txt"
  cmake -G Ninja -S . -B "$build" \
    -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
    -DCMAKE_BUILD_TYPE=Release \
    -DBUILD_TESTING=$testing \
    -DCMAKE_STRIP="$(command -v x86_64-w64-mingw32-strip)" \
    -DCMAKE_CROSSCOMPILING_EMULATOR="$PWD/tools/windows/wine-test.sh" >/dev/null
fi
nice -n 10 cmake --build "$build" -j2 "${targets[@]}"

# The zip and the installer.
( cd "$build" && cpack -B "$PWD/packages" >/dev/null )
rm -rf "$build/packages/_CPack_Packages"
ls -l "$build"/packages/Lullara-*-win64.{zip,exe}
