#!/usr/bin/env bash
# "Draw each name once" through the real menu. The user's own boys' list has
# six names (a draw never takes the first, so five can be drawn); the item is
# turned on by a right click and its access key, and a run of five names at
# the shortest interval ends ("Finished": the progress bar is hidden again)
# with five different names on the clipboard. Closing stores the option.
source "$(dirname "$0")/lib.sh"
e2e_init draw_once "$1" "$2"
USER_LISTS=$XDG_DATA_HOME/Lullara/Lullara
BOYS=(Abel Bram Cyril Dirk Emil Felix)
mkdir -p "$USER_LISTS"
write_names "$USER_LISTS/guyname.txt" "# six boys" "${BOYS[@]}"
start_x
conf_write cmbInterval=0    # 0.25 s a name; five names, the default
start_app first
W=$(main_window)

# bar_strip FILE : the pixels of a strip where the progress bar lies while a
# run goes (left of the clock, right of the status text).
bar_strip() { import -window "$W" -crop 100x10+340+548 +repage ppm:"$1" 2>>"$OUT/import.log"; }
bar_strip "$OUT/idle.ppm" || fail "no picture of the idle status bar"

# The menu opens at a right click on the window's free space, between the
# boys' frame and the letters; "o" is the item's access key.
activate "$W"
xdotool mousemove --window "$W" 240 140 sleep 0.2 click 3 sleep 0.6
shot menu
xdotool key o
sleep 0.3
keys "$W" F6
wait_rows "$W" 5 30 "$OUT/names.txt"
wait_for 10 'bar_strip "$OUT/after.ppm" && cmp -s "$OUT/idle.ppm" "$OUT/after.ppm"' ||
  fail "the run did not finish: the progress bar is still shown"
shot finished
copy_all "$W" "$OUT/names.txt"
names_in "$OUT/names.txt" "${BOYS[@]:1}"
[ "$(tr -d '\r' <"$OUT/names.txt" | sort -u | wc -l)" -eq 5 ] || fail "a name was drawn twice: $(tr '\r\n' '  ' <"$OUT/names.txt")"
close_by_wm "$W"
conf_expect DrawEachNameOnce=True
log passed
