#!/usr/bin/env bash
# "Name lists…" from the menu key: the 100 most popular US names of the 2010s
# chosen with the keyboard become the user's own guyname.txt and girlname.txt
# (with their '#' header) and the name boxes show them at once: ".add" with
# nothing chosen adds a box's first name, End in a box chooses its last. The
# window closes once the lists are in use.
source "$(dirname "$0")/lib.sh"
e2e_init us_names "$1" "$2"
[ -s "$E2E_APP/usnames.txt" ] || fail "no usnames.txt beside the program"
start_x
start_app
W=$(main_window)
USER_DIR=$XDG_DATA_HOME/Lullara

keys "$W" Menu; sleep 0.4; xdotool key n
D=$(wait_window '^Name lists$' 15) || fail "the Name lists window did not open"
sleep 0.3
# The US source, decades 2010s to 2010s (the last entry but one; the last
# decade first, as the first may not lie after it), the 100 most popular.
keys "$D" alt+s alt+t End Up alt+d Home $(printf 'Down %.0s' {1..13}) alt+k Home Down Down Down
sleep 0.3; shot dialog
keys "$D" alt+u
wait_for 10 '[ -s "$USER_DIR/guyname.txt" ] && [ -s "$USER_DIR/girlname.txt" ]' || fail "the user's name files were not written"
for f in guyname.txt girlname.txt; do
  head -n 1 "$USER_DIR/$f" | grep -q '^# US names by popularity' || fail "$f does not start with its header"
  grep -q '^# Chosen: the 100 most popular names of the 2010s, 100 names\.' "$USER_DIR/$f" || fail "$f does not say how its names were chosen"
  n=$(grep -vc '^#' "$USER_DIR/$f") || :
  [ "$n" -eq 100 ] || fail "$f holds $n names, not 100"
done
wait_for 5 'window_gone "^Name lists$"' || fail "the Name lists window stayed open after Use these lists"
shot boxes

names() { grep -v '^#' "$USER_DIR/$1" | tr -d '\r' | sed -n "$2"; }
click "$W" cmdBoysAdd; click "$W" cmdGirlsAdd
PLACE[lstBoys]="71 78 130 40"   # the boys' list, below its text field
click "$W" lstBoys; keys "$W" End; click "$W" cmdBoysAdd
copy_all "$W" "$OUT/added.txt"
printf '%s\r\n' "$(names guyname.txt 1p)" "$(names girlname.txt 1p)" "$(names guyname.txt '$p')" >"$OUT/expected.txt"
cmp -s "$OUT/expected.txt" "$OUT/added.txt" ||
  fail "the boxes do not hold the new lists: added $(tr '\r\n' '  ' <"$OUT/added.txt"), expected $(tr '\r\n' '  ' <"$OUT/expected.txt")"
close_by_wm "$W"
log passed
