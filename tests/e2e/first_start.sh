#!/usr/bin/env bash
# First start with an empty settings store: the main window appears with its
# fixed client size, and closing it through the window manager stores the
# defaults.
source "$(dirname "$0")/lib.sh"
e2e_init first_start "$1" "$2"
start_x

[ ! -e "$CONF" ] || fail "the settings file exists before the first start"
start_app
W=$(main_window)
shot "main-window" >/dev/null

size=$(client_size "$W")
[ "$size" = "577x562" ] || fail "client area is $size, expected 577x562"
hints=$(xprop -id "$W" WM_NORMAL_HINTS)
echo "$hints" >"$E2E_LOGS/normal-hints.txt"
grep -q 'minimum size: 577 by 562' <<<"$hints" || fail "window has no fixed minimum size 577x562"
grep -q 'maximum size: 577 by 562' <<<"$hints" || fail "window has no fixed maximum size 577x562"
# The splash is gone once the main window shows; only the main window is left.
visible=$(xdotool search --onlyvisible --name '.' 2>/dev/null | wc -l)
[ "$visible" -eq 1 ] || fail "$visible visible named windows, expected only the main window"

close_by_wm "$W"
[ -f "$CONF" ] || fail "no settings file after closing the window"
keep "$CONF"
conf_expect cmbNum 4
conf_expect cmbInterval 3
conf_expect optAll True
conf_absent optSel
conf_absent SaveMethod
for k in Left Top; do
  v=$(conf_get "$k") || fail "setting $k missing"
  [[ "$v" =~ ^-?[0-9]+(\.[0-9]+)?$ ]] || fail "setting $k is \"$v\", not a number"
done
log "passed"
