#!/usr/bin/env bash
# Letter and gender chosen with the mouse; closing through the window manager
# stores every setting; the next start restores them (the gender choice is
# not remembered and starts as BOY again).
source "$(dirname "$0")/lib.sh"
e2e_init settings_roundtrip "$1" "$2"
start_x

K_GIRLS=(Kate Kim Kira)   # K names without the first one (Kara), which a draw never takes
K_BOYS=(Kevin Kurt Kyle)  # likewise without Karl

# 1. Position and selectors from the store; letter K and GiRL by mouse.
conf_write Left=3000 Top=2250 cmbNum=2 cmbInterval=0
start_app first
W=$(main_window)
click "$W" $(letter_xy 10)
click "$W" $GIRLS_XY
shot "k-and-girl" >/dev/null
keys "$W" F6
wait_rows "$W" 3 30 "$E2E_TMP/out/clip-girls-k.txt"
names_in "$E2E_TMP/out/clip-girls-k.txt" "${K_GIRLS[@]}"
close_by_wm "$W"
keep "$CONF"
cp "$CONF" "$E2E_TMP/out/first.conf"
conf_expect optAll False
conf_expect optSel 10
conf_expect cmbNum 2
conf_expect cmbInterval 0
conf_expect Left 3000
conf_expect Top 2250

# 2. Restart: K is chosen again, the gender is BOY again.
start_app second
W=$(main_window)
shot "restarted" >/dev/null
keys "$W" F6
wait_rows "$W" 3 30 "$E2E_TMP/out/clip-boys-k.txt"
names_in "$E2E_TMP/out/clip-boys-k.txt" "${K_BOYS[@]}"
close_by_wm "$W"
cp "$CONF" "$E2E_TMP/out/second.conf"
conf_expect optAll False
conf_expect optSel 10
conf_expect cmbNum 2
conf_expect cmbInterval 0
conf_expect Left 3000
conf_expect Top 2250

# 3. Back to "All" by mouse: optAll is True and optSel keeps the K of before.
start_app third
W=$(main_window)
click "$W" $ALL_XY
click "$W" $BOYS_XY
keys "$W" F6
wait_rows "$W" 3 30 "$E2E_TMP/out/clip-all.txt"
names_in "$E2E_TMP/out/clip-all.txt" "${E2E_BOYS[@]:1}"
close_by_wm "$W"
cp "$CONF" "$E2E_TMP/out/third.conf"
conf_expect optAll True
conf_expect optSel 10

# 4. And the next start chooses All: the whole boys' list is drawn again.
start_app fourth
W=$(main_window)
keys "$W" F6
wait_rows "$W" 3 30 "$E2E_TMP/out/clip-all-again.txt"
names_in "$E2E_TMP/out/clip-all-again.txt" "${E2E_BOYS[@]:1}"
close_by_wm "$W"
conf_expect optAll True
log "passed"
