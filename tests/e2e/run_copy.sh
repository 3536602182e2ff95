#!/usr/bin/env bash
# A run started with F6 ends by itself after the default five names; Copy All
# (Alt+A) puts them on the clipboard, one per line with CR LF.
source "$(dirname "$0")/lib.sh"
e2e_init run_copy "$1" "$2"
start_x

conf_write cmbInterval=0          # 0.25 s per name, number of names left at its default (5)
start_app
W=$(main_window)

# Before any run the clipboard receives nothing from Copy All.
copy_all "$W" "$E2E_TMP/out/clip-empty.txt"
[ ! -s "$E2E_TMP/out/clip-empty.txt" ] || fail "Copy All on an empty list put text on the clipboard"

keys "$W" F6
wait_rows "$W" 5 30 "$E2E_TMP/out/clip.txt"
shot "finished" >/dev/null
# The run has ended by itself: no further names arrive.
sleep 1.5
copy_all "$W" "$E2E_TMP/out/clip-later.txt"
check_crlf_text "$E2E_TMP/out/clip-later.txt" 5
cmp -s "$E2E_TMP/out/clip.txt" "$E2E_TMP/out/clip-later.txt" || fail "the list changed after the run should have finished"
# Every name comes from the boys' list; a draw never takes its first entry.
names_in "$E2E_TMP/out/clip.txt" "${E2E_BOYS[@]:1}"

# F6 again starts a fresh run on an emptied list.
keys "$W" F6
wait_rows "$W" 5 30 "$E2E_TMP/out/clip-second.txt"
names_in "$E2E_TMP/out/clip-second.txt" "${E2E_BOYS[@]:1}"

close_by_wm "$W"
conf_expect cmbInterval 0
conf_expect cmbNum 4
log "passed"
