#!/usr/bin/env bash
# lullara --help and --version answer on standard output and exit 0 with no
# display at all, also among other arguments; an answer that cannot be
# written is a failure; an unknown option is refused with status 2.
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
# An option nobody knows is refused before a display is needed; Qt's own
# options are Qt's (here the program runs offscreen until the time is up).
for opt in --bogus -x -reverse=1; do
  status=0
  HOME=$tmp XDG_RUNTIME_DIR=$tmp nodisplay timeout 20 "$program" "$opt" >"$tmp/out" 2>"$tmp/err" || status=$?
  [ "$status" = 2 ] || fail "$opt exited with $status, not 2"
  [ "$(sed -n 1p "$tmp/err")" = "lullara: unknown option $opt" ] \
    || fail "$opt: the first line of standard error is \"$(sed -n 1p "$tmp/err")\""
  grep -q '^Usage: lullara' "$tmp/err" || fail "$opt: no usage text on standard error"
  [ ! -s "$tmp/out" ] || fail "$opt wrote to standard output"
done
status=0
HOME=$tmp XDG_RUNTIME_DIR=$tmp nodisplay timeout 3 "$program" -platform offscreen --style=fusion -reverse \
  >"$tmp/out" 2>"$tmp/err" || status=$?
[ "$status" = 124 ] || fail "with Qt's own options the program exited with $status: $(cat "$tmp/err")"
if [ -w /dev/full ]; then
  ! nodisplay "$program" --version >/dev/full 2>/dev/null || fail "--version into a full device exited 0"
fi
log passed
