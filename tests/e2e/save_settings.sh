#!/usr/bin/env bash
# Two starts on one settings file. The letter K and GiRL are chosen with the
# mouse; closing through the window manager stores every setting and the next
# start restores them, with the gender back at BOY. That second start saves
# its list through the real Save As dialog: the file type chosen in the
# dialog, not the name's extension, decides between plain text and an HTML
# page, and the next dialog offers the type chosen last.
source "$(dirname "$0")/lib.sh"
e2e_init save_settings "$1" "$2"
start_x
# run_three WINDOW FILE : F6, then the three generated names on the clipboard.
run_three() { keys "$1" F6; wait_rows "$1" 3 30 "$2"; }
STORED=(optAll=False optSel=10 cmbNum=2 cmbInterval=0 Left=3000 Top=2250)

conf_write Left=3000 Top=2250 cmbNum=2 cmbInterval=0
start_app first
W=$(main_window)
click "$W" optLetK
click "$W" optGirls
shot k-and-girl
run_three "$W" "$OUT/girls-k.txt"
names_in "$OUT/girls-k.txt" Kate Kim Kira   # the K names but the first, which a draw never takes
close_by_wm "$W"
conf_expect "${STORED[@]}"

start_app second
W=$(main_window)
run_three "$W" "$OUT/boys-k.txt"
names_in "$OUT/boys-k.txt" Kevin Kurt Kyle
# saved_as FILE page|text [html|text] : Save All to FILE, with the file type
# picked in the dialog if given; the file is then an HTML page, or the
# plain-text list.
saved_as() {
  save_as "$W" "$1" "${3:-}"
  local text; text=$(tr -d '\r' <"$1")
  case $2 in
    page) grep -q '<html>' <<<"$text" ;;
    text) ! grep -q '<' <<<"$text" && grep -qE '^(Kevin|Kurt|Kyle)$' <<<"$text" ;;
  esac || fail "${1##*/} is not saved as $2"
}
saved_as "$OUT/names.txt" text   # the type the dialog offers first: Text Document
conf_expect SaveMethod=2
saved_as "$OUT/page" page html
conf_expect SaveMethod=3
saved_as "$OUT/again.txt" page   # HTML is offered again
saved_as "$OUT/again.txt" text text   # replaces it, after the dialog's question
close_by_wm "$W"
conf_expect "${STORED[@]}" SaveMethod=2
log passed
