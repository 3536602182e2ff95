#!/usr/bin/env bash
# The lottery's cost in instructions: Lullara and the comparable window each
# run under callgrind for SECONDS of a lottery at 0.25 s (100 names), and the
# instructions of all their threads are divided by the number ticks they
# made (calls of QProgressBar::setValue, once a tick in both). Instructions
# do not depend on what else the machine is doing, so this answers what the
# CPU-time figure of bench/run.sh leaves to the noise of a shared machine.
#
#   bench/lottery_instructions.sh [SECONDS]     default 20; about 2 minutes
#
# Environment: BENCH_BUILD_DIR (default build), LULLARA_BIN (another build of
# the program to measure against the same comparable window), KEEP_WORK=1
# (keep the callgrind files; their folder is printed). Needs valgrind,
# Xvfb and xdotool; builds nothing (tools/build.sh all first).
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
build="${BENCH_BUILD_DIR:-$here/../build}"
seconds="${1:-20}"
program="${LULLARA_BIN:-$build/bin/lullara}"
for tool in valgrind callgrind_control Xvfb xdotool python3; do
  command -v "$tool" >/dev/null || { echo "lottery_instructions: $tool is missing" >&2; exit 1; }
done

work=$(mktemp -d "${TMPDIR:-/tmp}/lullara-instr.XXXXXX")
[ -z "${KEEP_WORK:-}" ] || echo "callgrind files in $work"
xvfb_pid=""
cleanup() { [ -z "$xvfb_pid" ] || kill "$xvfb_pid" 2>/dev/null || true; [ -n "${KEEP_WORK:-}" ] || rm -rf "$work"; }
trap cleanup EXIT
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" 2>/dev/null &
xvfb_pid=$!
for _ in $(seq 1 100); do [ -s "$work/display" ] && break; sleep 0.05; done
export DISPLAY=":$(head -n1 "$work/display")" QT_QPA_PLATFORM=xcb LC_ALL=C.UTF-8
export HOME="$work/home" XDG_CONFIG_HOME="$work/home/.config"

# measure NAME TITLE COMMAND...: instructions and ticks of SECONDS of a run
measure() {
  local name=$1 title=$2 pid wid=""
  shift 2
  mkdir -p "$XDG_CONFIG_HOME/Lullara"
  printf '[Setting]\ncmbNum=27\ncmbInterval=0\noptAll=True\n' >"$XDG_CONFIG_HOME/Lullara/Lullara.conf"
  valgrind --tool=callgrind --callgrind-out-file="$work/$name.out" "$@" >/dev/null 2>"$work/$name.log" &
  pid=$!
  for _ in $(seq 1 300); do
    wid=$(xdotool search --name "^$title\$" 2>/dev/null | head -n1) && [ -n "$wid" ] && break
    sleep 0.2
  done
  [ -n "$wid" ] || { echo "lottery_instructions: no window \"$title\"" >&2; cat "$work/$name.log" >&2; exit 1; }
  sleep 8 # the window's first paints and the lists' loading settle
  xdotool windowfocus --sync "$wid" 2>/dev/null || true
  xdotool key --window "$wid" F6
  sleep 2
  callgrind_control --zero "$pid" >/dev/null 2>&1
  sleep "$seconds"
  callgrind_control --dump "$pid" >/dev/null 2>&1
  kill "$pid"; wait "$pid" 2>/dev/null || true
  python3 - "$work/$name.out".* <<'EOF'
import re, sys
total = ticks = 0
names, callee = {}, None
for line in open(sys.argv[1]):
    if line.startswith('summary:'):
        total = int(line.split()[1])
    m = re.match(r'c?fn=\((\d+)\)(?: (.*))?', line)
    if m:
        if m.group(2):
            names[m.group(1)] = m.group(2)
        callee = names[m.group(1)] if line.startswith('cfn') else None
    m = re.match(r'calls=(\d+)', line)
    if m and callee and callee.startswith('QProgressBar::setValue('):
        ticks += int(m.group(1))
print(total, ticks)
EOF
}

read -r main_total main_ticks < <(measure main "Lullara v2.0" "$program")
read -r cmp_total cmp_ticks < <(measure cmp "Lullara bench comparable" \
  "$build/bench/lullara_bench_comparable" --dir "$build/bin" --tick)
awk -v mt="$main_total" -v mn="$main_ticks" -v ct="$cmp_total" -v cn="$cmp_ticks" 'BEGIN {
  if (mn == 0 || cn == 0) { print "lottery_instructions: a program made no tick (did F6 reach it?)" > "/dev/stderr"; exit 1 }
  printf "%-22s %14s %8s %16s\n", "", "instructions", "ticks", "per tick"
  printf "%-22s %14d %8d %16.0f\n", "Lullara", mt, mn, mt / mn
  printf "%-22s %14d %8d %16.0f\n", "comparable window", ct, cn, ct / cn
  printf "ratio %.3f x\n", (mt / mn) / (ct / cn)
}'
