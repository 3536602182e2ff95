#!/usr/bin/env bash
# lullara --help and --version answer on standard output and exit 0 with no
# display at all (no DISPLAY, no WAYLAND_DISPLAY, no QT_QPA_PLATFORM); any
# other argument is left alone.
# Usage: package_options.sh PROGRAM VERSION
set -euo pipefail
program=$1
version=$2
fail() { echo "FAIL: $*" >&2; exit 1; }
[ -x "$program" ] || fail "no program at $program (build the target lullara first)"
tmp=$(mktemp -d "${TMPDIR:-/tmp}/lullara-options.XXXXXX")
trap 'rm -rf "$tmp"' EXIT
nodisplay=(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM HOME="$tmp" XDG_RUNTIME_DIR="$tmp")

# run ARGS... : runs the program without a display; sets status, out and err.
run() {
  status=0
  timeout 20 "${nodisplay[@]}" "$program" "$@" >"$tmp/out" 2>"$tmp/err" || status=$?
  out=$(cat "$tmp/out")
  err=$(cat "$tmp/err")
}

run --version
[ "$status" -eq 0 ] || fail "--version exited with $status: $err"
[ -z "$err" ] || fail "--version wrote to standard error: $err"
[ "$(head -n 1 <<<"$out")" = "Lullara $version" ] || fail "--version printed \"$(head -n 1 <<<"$out")\", not \"Lullara $version\""
grep -q 'GPL-3.0-or-later' <<<"$out" || fail "--version does not name the licence"
echo "--version: $(head -n 1 <<<"$out")"

run --help
[ "$status" -eq 0 ] || fail "--help exited with $status: $err"
[ -z "$err" ] || fail "--help wrote to standard error: $err"
head -n 1 <<<"$out" | grep -q '^Usage: lullara' || fail "--help does not start with the usage line: $(head -n 1 <<<"$out")"
for opt in --help --version; do
  grep -Eq "^ +$opt " <<<"$out" || fail "--help does not describe $opt"
done
echo "--help: $(wc -l <<<"$out") lines"

# Among other arguments, the option still answers.
run -x --version extra
[ "$status" -eq 0 ] && [ "$(head -n 1 <<<"$out")" = "Lullara $version" ] ||
  fail "--version after another argument gave $status: $(head -n 1 <<<"$out")"

# An answer that cannot be written is a failure.
if [ -w /dev/full ]; then
  status=0
  "${nodisplay[@]}" "$program" --version >/dev/full 2>/dev/null || status=$?
  [ "$status" -ne 0 ] || fail "--version into a full device exited 0"
fi

echo "passed"
