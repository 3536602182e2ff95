#!/usr/bin/env bash
# A screen reader's view of the main window, through the accessibility bus
# (AT-SPI) in a D-Bus session of the test's own: every control is there with
# its role and name, and a run started with F6 announces each added name
# ("Olivia, 3 of 5") once, then its finished text. The reader is
# accessibility.py (pyatspi); tree.txt and heard.txt stay with the artifacts.
source "$(dirname "$0")/lib.sh"
e2e_init accessibility "$1" "$2"
need dbus-run-session xdotool
PY=/usr/bin/python3
[ -x "$PY" ] && "$PY" -c 'import pyatspi' 2>/dev/null || fail "python3-pyatspi is missing (see tools/deps.sh test)"
[ -e /usr/libexec/at-spi-bus-launcher ] || fail "at-spi2-core is missing (see tools/deps.sh test)"
start_x
unset NO_AT_BRIDGE DBUS_SESSION_BUS_ADDRESS
timeout 120 dbus-run-session -- "$PY" "$(dirname "$0")/accessibility.py" "$E2E_APP" "$OUT" 2>>"$OUT/dbus.log" ||
  fail "see tree.txt and heard.txt"
log passed
