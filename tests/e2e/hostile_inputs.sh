#!/usr/bin/env bash
# Name files nobody should have, read by the real program. A pipe, a link to
# /dev/zero and a file over 64 MiB end at once in their error box, without
# storing settings. Names written as markup and a name of 10 MB show in a
# window that keeps answering: a run starts and stops, and it closes.
source "$(dirname "$0")/lib.sh"
e2e_init hostile_inputs "$1" "$2"
start_x
boys=$E2E_APP/guyname.txt
mv "$boys" "$E2E_TMP/boys"
for kind in pipe zero huge; do
  case $kind in
    pipe) mkfifo "$boys"; number=7[5] ;;
    zero) ln -s /dev/zero "$boys"; number=7[5] ;;
    huge) truncate -s 65M "$boys"; number=7 ;;
  esac
  start_app "$kind"
  b=$(wait_window "^Error $number\$" 20) || fail "no \"Error ${number//[][]/}\" box for the $kind"
  keys "$b" Return; wait_exit 15
  [ "$E2E_APP_STATUS" -ne 0 ] && [ ! -e "$CONF" ] || fail "after the $kind: exit status 0, or settings stored"
  rm -f "$boys"
done
write_names "$boys" '<h1 style="font-size:120px">BIG</h1>' '<img src="/dev/zero">' Ben Carl Dan "Anna$(head -c 10000000 /dev/zero | tr '\0' x)"
start_app markup-and-long
W=$(main_window)
keys "$W" F6; sleep 2; keys "$W" F7
shot markup-and-long
[ "$(client_size "$W")" = 577x562 ] || fail "the window changed its size to $(client_size "$W")"
close_by_wm "$W"
conf_expect cmbNum=4
log passed
