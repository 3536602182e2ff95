#!/usr/bin/env bash
# F8 pauses a run (no names arrive while paused), F9 resumes it to its end;
# F7 stops a run early.
source "$(dirname "$0")/lib.sh"
e2e_init pause_resume "$1" "$2"
start_x

conf_write cmbNum=9 cmbInterval=1  # 10 names, one every 0.5 s
start_app
W=$(main_window)
keys "$W" F6
sleep 1.3
keys "$W" F8
sleep 0.3
copy_all "$W" "$E2E_TMP/out/clip-paused.txt"
paused=$(crlf_lines "$E2E_TMP/out/clip-paused.txt")
log "rows when paused: $paused"
[ "$paused" -ge 1 ] && [ "$paused" -lt 10 ] || fail "expected between 1 and 9 rows at the pause, found $paused"
shot "paused" >/dev/null
sleep 2.5
copy_all "$W" "$E2E_TMP/out/clip-still-paused.txt"
cmp -s "$E2E_TMP/out/clip-paused.txt" "$E2E_TMP/out/clip-still-paused.txt" ||
  fail "names were added while the run was paused ($(crlf_lines "$E2E_TMP/out/clip-still-paused.txt") rows)"

keys "$W" F9
wait_rows "$W" 10 30 "$E2E_TMP/out/clip-resumed.txt"
# The rows from before the pause are kept, in front of the new ones.
head -c "$(wc -c <"$E2E_TMP/out/clip-paused.txt")" "$E2E_TMP/out/clip-resumed.txt" |
  cmp -s - "$E2E_TMP/out/clip-paused.txt" || fail "the rows from before the pause were not kept"
sleep 1.2
copy_all "$W" "$E2E_TMP/out/clip-final.txt"
check_crlf_text "$E2E_TMP/out/clip-final.txt" 10
names_in "$E2E_TMP/out/clip-final.txt" "${E2E_BOYS[@]:1}"

# F7 ends a run before it is complete.
keys "$W" F6
sleep 1.3
keys "$W" F7
sleep 0.3
copy_all "$W" "$E2E_TMP/out/clip-stopped.txt"
stopped=$(crlf_lines "$E2E_TMP/out/clip-stopped.txt")
[ "$stopped" -lt 10 ] || fail "F7 did not stop the run ($stopped rows)"
sleep 1.5
copy_all "$W" "$E2E_TMP/out/clip-stopped-later.txt"
cmp -s "$E2E_TMP/out/clip-stopped.txt" "$E2E_TMP/out/clip-stopped-later.txt" || fail "names were added after F7"

close_by_wm "$W"
log "passed"
