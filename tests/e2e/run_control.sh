#!/usr/bin/env bash
# Runs driven by the function keys, read back through Copy All (Alt+A), which
# puts one name a line, each ended by CR LF, on the real clipboard: F6 starts
# a run that ends by itself after the default five names, F8 pauses it (no
# names arrive), F9 resumes it; F6 again starts on an emptied list, F7 ends
# that run early, and the next F6 runs to the end once more.
source "$(dirname "$0")/lib.sh"
e2e_init run_control "$1" "$2"
start_x
conf_write cmbInterval=1    # one name every 0.5 s; the number of names stays at its default
start_app
W=$(main_window)
BOYS=("${E2E_BOYS[@]:1}")   # a draw never takes a list's first entry

# rows_after KEY FILE : KEY after one second of a run, then the rows, which
# must not change in the next 1.5 s.
rows_after() {
  keys "$W" F6; sleep 1; keys "$W" "$1"; sleep 0.3
  copy_all "$W" "$2"; sleep 1.5; copy_all "$W" "$2.later"
  cmp -s "$2" "$2.later" || fail "names were added after $1"
  rows=$(crlf_lines "$2")
  [ "$rows" -ge 1 ] && [ "$rows" -lt 5 ] || fail "expected 1 to 4 rows after $1, found $rows"
  names_in "$2" "${BOYS[@]}"
}

copy_all "$W" "$OUT/empty.txt"
[ ! -s "$OUT/empty.txt" ] || fail "Copy All on an empty list put text on the clipboard"
rows_after F8 "$OUT/paused.txt"
keys "$W" F9
wait_rows "$W" 5 30 "$OUT/resumed.txt"
head -c "$(wc -c <"$OUT/paused.txt")" "$OUT/resumed.txt" | cmp -s - "$OUT/paused.txt" ||
  fail "the rows from before the pause were not kept in front"
sleep 1.5
copy_all "$W" "$OUT/finished.txt"
cmp -s "$OUT/resumed.txt" "$OUT/finished.txt" || fail "the list changed after the run should have finished"
names_in "$OUT/finished.txt" "${BOYS[@]}"

rows_after F7 "$OUT/stopped.txt"   # F6 emptied the list first
keys "$W" F6
wait_rows "$W" 5 30 "$OUT/again.txt"
names_in "$OUT/again.txt" "${BOYS[@]}"
close_by_wm "$W"
conf_expect cmbInterval=1 cmbNum=4
log passed
