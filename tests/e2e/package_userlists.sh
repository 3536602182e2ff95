#!/usr/bin/env bash
# An installed Lullara (cmake --install, so lib/lullara belongs to root in a
# real installation) takes a user's own name lists from
# $XDG_DATA_HOME/Lullara/Lullara/ (~/.local/share/Lullara/Lullara/), each file
# on its own: a user's boys' list is drawn from while the bundled girls' list
# stays; a broken link there is the user's file too and ends the program with
# its error instead of falling back to the bundled list.
# Usage: package_userlists.sh BUILD-DIR ARTIFACT-ROOT
source "$(dirname "$0")/lib.sh"
BUILD=$(cd "$1" && pwd)
e2e_world package_userlists "$2"
e2e_require_tools cmake

ROOT=$E2E_TMP/root
DESTDIR=$ROOT cmake --install "$BUILD" --prefix /usr >"$E2E_LOGS/install.log" 2>&1 ||
  fail "cmake --install failed (see install.log)"
E2E_APP=$E2E_TMP
E2E_PROGRAM=$ROOT/usr/bin/lullara
USER_LISTS=$XDG_DATA_HOME/Lullara/Lullara
mkdir -p "$USER_LISTS"
USER_BOYS=(Uaron Ubald Ubert Udo Ugo Ulf Uli Uwe)
write_names "$USER_LISTS/guyname.txt" "# my own boys' names" "${USER_BOYS[@]}"
start_x

# The boys' list is the user's: every drawn name comes from it (a draw never
# takes a list's first entry).
conf_write cmbInterval=0          # 0.25 s per name, five names
start_app own-boys
W=$(main_window)
keys "$W" F6
wait_rows "$W" 5 30 "$E2E_TMP/out/boys.txt"
names_in "$E2E_TMP/out/boys.txt" "${USER_BOYS[@]:1}"
close_by_wm "$W"

# The girls' list is still the bundled one: switch to GiRL and draw.
bundled_girls=()
while IFS= read -r line; do
  line=${line%$'\r'}
  [[ "$line" == \#* ]] || bundled_girls+=("$line")
done <"$ROOT/usr/lib/lullara/girlname.txt"
conf_write cmbInterval=0
start_app bundled-girls
W=$(main_window)
click "$W" $GIRLS_XY
keys "$W" F6
wait_rows "$W" 5 30 "$E2E_TMP/out/girls.txt"
names_in "$E2E_TMP/out/girls.txt" "${bundled_girls[@]}"
close_by_wm "$W"

# A link to nowhere in the user's folder is the user's file, not a reason to
# fall back: "Error 53" and the program ends.
ln -s "$E2E_TMP/gone.txt" "$USER_LISTS/girlname.txt"
rm -f "$CONF"
start_app dangling-girls
B=$(wait_window '^Error 53$' 30) || fail "no \"Error 53\" box for a dangling link in $USER_LISTS"
shot "error-dangling-link" >/dev/null
keys "$B" Return
wait_exit 15
[ "$E2E_APP_STATUS" -ne 0 ] || fail "the program exited with status 0 after the error box"
[ ! -e "$CONF" ] || fail "settings were written although a name file could not be read"
log "passed"
