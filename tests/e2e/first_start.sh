#!/usr/bin/env bash
# A missing name file ends the program with its "Error 53" box over the
# splash: the main window never shows, the program exits with a failure
# status and no settings are written. With both files in place, the first
# start on that empty store shows the fixed-size main window alone, and
# closing it through the window manager stores the defaults.
source "$(dirname "$0")/lib.sh"
e2e_init first_start "$1" "$2"
start_x

for missing in guyname.txt girlname.txt; do
  mv "$E2E_APP/$missing" "$E2E_TMP/"
  start_app "without-$missing"
  wait_window '^Error 53$' >/dev/null || fail "no \"Error 53\" box with $missing missing"
  # The splash (470 x 120, no frame) is still on screen under the box.
  sizes=$(for id in $(xdotool search --onlyvisible --pid "$E2E_APP_PID"); do client_size "$id"; done)
  grep -qx 470x120 <<<"$sizes" || fail "the splash window is not on screen under the error box"
  error_box "$missing is missing"
  mv "$E2E_TMP/$missing" "$E2E_APP/"
done

start_app
W=$(main_window)
shot main-window
[ "$(client_size "$W")" = 577x562 ] || fail "the client area is $(client_size "$W"), expected 577x562"
hints=$(xprop -id "$W" WM_NORMAL_HINTS)
grep -q 'minimum size: 577 by 562' <<<"$hints" && grep -q 'maximum size: 577 by 562' <<<"$hints" ||
  fail "the window's size is not fixed at 577x562: $hints"
# The splash is gone once the main window shows.
for _ in $(seq 30); do
  [ "$(xdotool search --onlyvisible --name . | wc -l)" -eq 1 ] && break
  sleep 0.1
done
[ "$(xdotool search --onlyvisible --name . | wc -l)" -eq 1 ] || fail "other windows than the main window are visible"

close_by_wm "$W"
conf_expect cmbNum=4 cmbInterval=3 optAll=True
! conf_get optSel && ! conf_get SaveMethod || fail "optSel or SaveMethod is stored without being chosen"
for k in Left Top; do [[ "$(conf_get $k)" =~ ^-?[0-9]+(\.[0-9]+)?$ ]] || fail "setting $k is not a number"; done
log passed
