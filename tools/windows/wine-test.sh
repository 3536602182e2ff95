#!/usr/bin/env bash
# CTest's emulator for the Windows build (CMAKE_CROSSCOMPILING_EMULATOR):
# runs one QtTest program under Wine and shows its log. QtTest writes nothing
# to a Wine console, so the log goes to a file first.
# Usage: wine-test.sh PROGRAM.exe [QtTest options]
# The caller provides DISPLAY and WINEPREFIX (tools/windows/unit-tests.sh).
set -u
program=$1; shift
log=$(mktemp "${TMPDIR:-/tmp}/lullara-wine-test.XXXXXX")
trap 'rm -f "$log"' EXIT
winlog="Z:$(readlink -f "$log" | tr / '\\')"
wine "$program" "$@" -o "$winlog,txt" 2>"$log.wine"
status=$?
cat "$log"
# Wine's own complaints only when the program failed.
[ "$status" -eq 0 ] || tail -n 20 "$log.wine" >&2
rm -f "$log.wine"
exit "$status"
