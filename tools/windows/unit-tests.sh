#!/usr/bin/env bash
# Runs the unit test programs of the Windows build (tools/windows/build.sh
# all) under Wine, one after the other, through CTest: in an X server and a
# Wine prefix of their own, as Qt has no offscreen platform for Windows.
# Usage: tools/windows/unit-tests.sh [BUILD-DIR [ARTIFACT-ROOT]] [-- ctest options]
root=$(cd "$(dirname "$0")/../.." && pwd)
dirs=()
while [ $# -gt 0 ] && [ "$1" != -- ] && [ ${#dirs[@]} -lt 2 ]; do dirs+=("$1"); shift; done
[ "${1:-}" != -- ] || shift
build=$(readlink -f "${dirs[0]:-$root/build-win}")
artifacts=$(readlink -m "${dirs[1]:-$build/wine-artifacts}")
source "$root/tests/e2e/lib.sh"
source "$root/tests/windows/winelib.sh"
[ -f "$build/CTestTestfile.cmake" ] || fail "no Windows build with tests in $build (tools/windows/build.sh all)"
e2e_world windows_unit "$artifacts"
start_x
wine_prefix
# A run that fails once is tried again: Wine sometimes loses a window's
# first activation. Each program's log is kept among the artifacts on failure.
cd "$build"
ctest -L unit --output-on-failure --timeout 300 --repeat until-pass:2 "$@" 2>&1 | tee "$OUT/ctest.log"
status=${PIPESTATUS[0]}
[ "$status" -eq 0 ] || fail "unit tests under Wine failed (see above)"
log passed
