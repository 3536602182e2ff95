#!/usr/bin/env bash
# A missing name file ends the program with its "Error 53" box over the
# splash: the main window never shows, the program exits with a failure
# status and no settings are written.
source "$(dirname "$0")/lib.sh"
e2e_init missing_names "$1" "$2"
start_x

for missing in guyname.txt girlname.txt; do
  cp "$E2E_APP/$missing" "$E2E_TMP/$missing.saved"
  rm -f "$E2E_APP/$missing" "$CONF"
  start_app "without-$missing"
  B=$(wait_window '^Error 53$' 30) || fail "no \"Error 53\" box with $missing missing"
  sleep 0.5
  shot "error-without-$missing" >/dev/null
  window_gone '^Lullara v2\.0$' || fail "the main window is shown although $missing is missing"
  # The splash (470 x 120, no frame) is still on screen under the box.
  splash=""
  for id in $(xdotool search --onlyvisible --pid "$E2E_APP_PID" 2>/dev/null); do
    [ "$(client_size "$id")" = "470x120" ] && splash=$id
  done
  [ -n "$splash" ] || fail "the splash window is not on screen under the error box"
  keys "$B" Return
  wait_exit 15
  [ "$E2E_APP_STATUS" -ne 0 ] || fail "the program exited with status 0 after the error box for $missing"
  [ ! -e "$CONF" ] || fail "settings were written although $missing was missing"
  cp "$E2E_TMP/$missing.saved" "$E2E_APP/$missing"
done

# With both files back the program starts normally.
start_app restored
W=$(main_window)
close_by_wm "$W"
[ -f "$CONF" ] || fail "no settings file after a normal close"
log "passed"
