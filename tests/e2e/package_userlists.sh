#!/usr/bin/env bash
# An installed Lullara (cmake --install, so lib/lullara belongs to root in a
# real installation) takes a user's own name lists from $XDG_DATA_HOME/Lullara/,
# then from the older place $XDG_DATA_HOME/Lullara/Lullara/, each file on its
# own: a user's boys' list is drawn from (not the older one) while the bundled
# girls' list stays; a broken link in the older place is the user's file too
# and ends the program with its error instead of falling back to the bundled
# list.
# Usage: package_userlists.sh BUILD-DIR ARTIFACT-ROOT
source "$(dirname "$0")/lib.sh"
e2e_install package_userlists "$1" "$2"
USER_LISTS=$XDG_DATA_HOME/Lullara
OLDER_LISTS=$USER_LISTS/Lullara
USER_BOYS=(Uaron Ubald Ubert Udo Ugo Ulf Uli Uwe)
mkdir -p "$OLDER_LISTS"
write_names "$USER_LISTS/guyname.txt" "# my own boys' names" "${USER_BOYS[@]}"
write_names "$OLDER_LISTS/guyname.txt" "# an older list" Oldie Olaf Oskar Otto
mapfile -t GIRLS < <(tr -d '\r' <"$ROOT/usr/lib/lullara/girlname.txt" | grep -v '^#')
start_x

# draw LABEL [CONTROL] : five names (0.25 s each) of BOY, or of the gender clicked.
draw() {
  conf_write cmbInterval=0
  start_app "$1"
  W=$(main_window)
  [ -z "${2:-}" ] || click "$W" "$2"
  keys "$W" F6
  wait_rows "$W" 5 30 "$OUT/$1.txt"
  close_by_wm "$W"
}
draw own-boys
names_in "$OUT/own-boys.txt" "${USER_BOYS[@]:1}"   # a draw never takes a list's first entry
draw bundled-girls optGirls
names_in "$OUT/bundled-girls.txt" "${GIRLS[@]}"

ln -s "$E2E_TMP/gone.txt" "$OLDER_LISTS/girlname.txt"
rm -f "$CONF"
start_app dangling-girls
error_box "girlname.txt in $OLDER_LISTS is a dangling link"
log passed
