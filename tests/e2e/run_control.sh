#!/usr/bin/env bash
# Runs driven by the function keys, read back through Copy All (Alt+A), which
# puts one name a line, each ended by CR LF, on the clipboard: F6 starts a run
# that ends by itself after the default five names, F8 pauses it (no names
# arrive), F9 resumes it; F6 again starts on an emptied list, F7 ends that
# run early, and the next F6 runs to the end once more.
source "$(dirname "$0")/lib.sh"
e2e_init run_control "$1" "$2"
start_x
conf_write cmbInterval=1    # one name every 0.5 s; the number of names stays at its default
start_app
W=$(main_window)
BOYS=("${E2E_BOYS[@]:1}")   # a draw never takes a list's first entry

copy_all "$W" "$OUT/empty.txt"
[ ! -s "$OUT/empty.txt" ] || fail "Copy All on an empty list put text on the clipboard"

keys "$W" F6
sleep 1
keys "$W" F8
sleep 0.3
copy_all "$W" "$OUT/paused.txt"
paused=$(crlf_lines "$OUT/paused.txt")
[ "$paused" -ge 1 ] && [ "$paused" -lt 5 ] || fail "expected 1 to 4 rows at the pause, found $paused"
shot paused
sleep 1.5
copy_all "$W" "$OUT/still-paused.txt"
cmp -s "$OUT/paused.txt" "$OUT/still-paused.txt" || fail "names were added while the run was paused"

keys "$W" F9
wait_rows "$W" 5 30 "$OUT/resumed.txt"
head -c "$(wc -c <"$OUT/paused.txt")" "$OUT/resumed.txt" | cmp -s - "$OUT/paused.txt" ||
  fail "the rows from before the pause were not kept in front"
sleep 1.5
copy_all "$W" "$OUT/finished.txt"
check_crlf_text "$OUT/finished.txt" 5
cmp -s "$OUT/resumed.txt" "$OUT/finished.txt" || fail "the list changed after the run should have finished"
names_in "$OUT/finished.txt" "${BOYS[@]}"

keys "$W" F6
sleep 1
keys "$W" F7
sleep 0.3
copy_all "$W" "$OUT/stopped.txt"
stopped=$(crlf_lines "$OUT/stopped.txt")
[ "$stopped" -lt 5 ] || fail "F6 did not empty the list or F7 did not stop the run ($stopped rows)"
names_in "$OUT/stopped.txt" "${BOYS[@]}"
sleep 1.5
copy_all "$W" "$OUT/stopped-later.txt"
cmp -s "$OUT/stopped.txt" "$OUT/stopped-later.txt" || fail "names were added after F7"

keys "$W" F6
wait_rows "$W" 5 30 "$OUT/again.txt"
names_in "$OUT/again.txt" "${BOYS[@]}"

close_by_wm "$W"
conf_expect cmbInterval 1
conf_expect cmbNum 4
log passed
