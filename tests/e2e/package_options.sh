#!/usr/bin/env bash
# lullara --help and --version answer on standard output and exit 0 with no
# display at all, also among other arguments; an answer that cannot be
# written is a failure.
# Usage: package_options.sh PROGRAM VERSION
source "$(dirname "$0")/lib.sh"
tmp=$(mktemp -d "${TMPDIR:-/tmp}/lullara-options.XXXXXX")
trap 'rm -rf "$tmp"' EXIT
# run ARGS... : the first line the program answers; fails on a status or error text.
run() {
  HOME=$tmp XDG_RUNTIME_DIR=$tmp nodisplay timeout 20 "$program" "$@" >"$tmp/out" 2>"$tmp/err" || fail "$* exited with $?: $(cat "$tmp/err")"
  [ ! -s "$tmp/err" ] || fail "$* wrote to standard error: $(cat "$tmp/err")"
  sed -n 1p "$tmp/out"
}
program=$1
[ "$(run --version)" = "Lullara $2" ] || fail "--version printed \"$(run --version)\", not \"Lullara $2\""
grep -q 'GPL-3.0-or-later' "$tmp/out" || fail "--version does not name the licence"
[ "$(run -x --version extra)" = "Lullara $2" ] || fail "--version after another argument did not answer"
[[ "$(run --help)" == "Usage: lullara"* ]] || fail "--help does not start with the usage line"
for opt in --help --version; do grep -Eq "^ +$opt " "$tmp/out" || fail "--help does not describe $opt"; done
if [ -w /dev/full ]; then
  ! nodisplay "$program" --version >/dev/full 2>/dev/null || fail "--version into a full device exited 0"
fi
log passed
