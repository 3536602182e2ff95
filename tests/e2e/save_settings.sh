#!/usr/bin/env bash
# Four starts on one settings file. The letter K and GiRL are chosen with the
# mouse; closing through the window manager stores every setting and the next
# start restores them, with the gender back at BOY. That second start saves
# its list through the real Save As dialog, as plain text and as an HTML page:
# the file type chosen in the dialog decides the format and is remembered.
# Back at "All" by mouse, optAll is True again and optSel keeps its K.
source "$(dirname "$0")/lib.sh"
e2e_init save_settings "$1" "$2"
start_x
K_GIRLS=(Kate Kim Kira)   # the K names but the first, which a draw never takes
K_BOYS=(Kevin Kurt Kyle)

# run_three WINDOW FILE : F6, then the three generated names on the clipboard.
run_three() { keys "$1" F6; wait_rows "$1" 3 30 "$2"; }
stored_with_k() {
  conf_expect optAll False; conf_expect optSel 10; conf_expect cmbNum 2
  conf_expect cmbInterval 0; conf_expect Left 3000; conf_expect Top 2250
}

conf_write Left=3000 Top=2250 cmbNum=2 cmbInterval=0
start_app first
W=$(main_window)
click "$W" optLetK
click "$W" optGirls
shot k-and-girl
run_three "$W" "$OUT/girls-k.txt"
names_in "$OUT/girls-k.txt" "${K_GIRLS[@]}"
close_by_wm "$W"
stored_with_k

start_app second
W=$(main_window)
run_three "$W" "$OUT/boys-k.txt"
names_in "$OUT/boys-k.txt" "${K_BOYS[@]}"
mapfile -t NAMES < <(tr -d '\r' <"$OUT/boys-k.txt")

# Plain text, with the type the dialog offers first (Text Document).
save_as "$W" alt+s "$OUT/names.txt"
conf_expect SaveMethod 2
check_crlf_text "$OUT/names.txt" 9
printf '%s\r\n' " " "${NAMES[@]}" " " .......... "3 names" "Created with Lullara v.2.0" >"$OUT/expected.txt"
head -n 8 "$OUT/names.txt" | cmp -s - "$OUT/expected.txt" || fail "names.txt does not hold the lines of expected.txt"
date_line=$(tail -n 1 "$OUT/names.txt")
[[ "$date_line" == *"$(date +%Y)"* || "$date_line" == *"$(date +%y)"* ]] || fail "the last line \"$date_line\" holds no date of this year"

# HTML, chosen in the file-type box; the name has no extension.
HTML=$OUT/page
save_as "$W" alt+s "$HTML" html
conf_expect SaveMethod 3
check_crlf_text "$HTML" "$(wc -l <"$HTML")"
grep -q '<meta charset="utf-8">' "$HTML" || fail "the page has no <meta charset=\"utf-8\">"
grep -q '^<html><head>' "$HTML" || fail "the page has no <html><head> line"
grep -q $'^</body></html>\r$' "$HTML" || fail "the page does not end with </body></html>"
rows=$(grep -o '<td width=100%>[^<]*</td>' "$HTML" | sed 's/<[^>]*>//g')
[ "$rows" = "$(printf '%s\n' "${NAMES[@]}")" ] || fail "the page's rows are not the generated names in order: $rows"
grep -q "\.\{21\}<br>3 names<br>Created with Lullara v\.2\.0<br>" "$HTML" || fail "the page has no closing line with the count and version"
img=$(grep -o 'src="[^"]*"' "$HTML" | sort -u)
[ "$(wc -l <<<"$img")" -eq 1 ] || fail "the rows use more than one picture: $img"
img=${img#src=\"} img=${img%\"}
[ "$(basename "$img")" = guy.gif ] || fail "the rows show $img, expected guy.gif"
[ -f "$img" ] || fail "the picture $img does not exist beside the program"

# The next dialog offers HTML again: a name ending in .txt gets a page; then
# the text type replaces that file, after the dialog's question.
save_as "$W" alt+s "$OUT/again.txt"
grep -q '<meta charset="utf-8">' "$OUT/again.txt" || fail "again.txt is not a page although the HTML type was remembered"
save_as "$W" alt+s "$OUT/again.txt" text
conf_expect SaveMethod 2
head -n 8 "$OUT/again.txt" | cmp -s - "$OUT/expected.txt" || fail "again.txt was not replaced by the plain-text list"
close_by_wm "$W"
stored_with_k
conf_expect SaveMethod 2

start_app third
W=$(main_window)
click "$W" optLetAll
click "$W" optBoys
run_three "$W" "$OUT/all.txt"
names_in "$OUT/all.txt" "${E2E_BOYS[@]:1}"
close_by_wm "$W"
conf_expect optAll True
conf_expect optSel 10

start_app fourth
W=$(main_window)
run_three "$W" "$OUT/all-again.txt"
names_in "$OUT/all-again.txt" "${E2E_BOYS[@]:1}"
close_by_wm "$W"
conf_expect optAll True
log passed
