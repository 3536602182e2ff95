#!/usr/bin/env bash
# The Windows job of CI, after ./test.sh: the Windows build with its unit
# test programs (Qt from ~/.cache/lullara, cross-built there first when the
# cache has none: about 35 minutes, once per machine), the zip and the
# installer, the smoke test of the installer under Wine, and the unit tests
# under Wine. Each step has a time limit; the steps under Wine are tried a
# second time when they fail, as Wine now and then loses a window's focus.
# Usage: tools/windows/ci.sh
set -euo pipefail
cd "$(dirname "$0")/../.."
build=${LULLARA_WIN_BUILD:-build-win}
artifacts=$PWD/$build/wine-artifacts
start=$SECONDS
step() { echo "== windows: $* ($((SECONDS - start)) s)"; }

# twice LIMIT COMMAND... : runs the command with a time limit, a second time
# if it fails.
twice() {
  local limit=$1; shift
  timeout --kill-after=30 "$limit" "$@" && return 0
  echo "== windows: failed once, trying again: $*"
  timeout --kill-after=30 "$limit" "$@"
}

step "build (Qt from the cache or built now), packages"
timeout --kill-after=60 75m tools/windows/build.sh all
installer=$(ls "$build"/packages/Lullara-*-win64.exe)
zip=$(ls "$build"/packages/Lullara-*-win64.zip)
echo "packages: $(du -h "$zip" | cut -f1) $zip, $(du -h "$installer" | cut -f1) $installer"
# The zip is the program folder as it runs: the program, its lists, Qt's
# platform plugin and the MinGW runtime among the rest.
listing=$(unzip -Z1 "$zip")
for f in lullara.exe guyname.txt girlname.txt qt.conf Qt6Widgets.dll platforms/qwindows.dll \
         styles/qwindowsvistastyle.dll imageformats/qgif.dll libstdc++-6.dll translations/qtbase_de.qm; do
  grep -qx "Lullara-[0-9.]*-win64/$f" <<<"$listing" || { echo "the zip has no $f" >&2; exit 1; }
done

step "smoke test of the installer under Wine"
twice 5m tests/windows/smoke.sh "$installer" "$artifacts"

step "unit tests under Wine"
timeout --kill-after=30 15m tools/windows/unit-tests.sh "$build" "$artifacts"

step "passed"
