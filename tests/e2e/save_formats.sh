#!/usr/bin/env bash
# Save All through the real Save As dialog, as plain text and as an HTML page;
# the file type chosen in the dialog decides the format and is remembered.
source "$(dirname "$0")/lib.sh"
e2e_init save_formats "$1" "$2"
start_x

conf_write cmbNum=2 cmbInterval=0  # 3 names, one every 0.25 s
start_app
W=$(main_window)
keys "$W" F6
wait_rows "$W" 3 30 "$E2E_TMP/out/clip.txt"
mapfile -t NAMES < <(tr -d '\r' <"$E2E_TMP/out/clip.txt")
log "generated: ${NAMES[*]}"

# 1. Plain text, with the dialog's preselected type (Text Document).
TXT=$E2E_TMP/out/names.txt
save_as "$W" alt+s "$TXT"
[ -f "$TXT" ] || fail "no file written at $TXT"
conf_expect SaveMethod 2
check_crlf_text "$TXT" $((${#NAMES[@]} + 6))
mapfile -t L < <(tr -d '\r' <"$TXT")
expect_line() { [ "${L[$1]}" = "$2" ] || fail "names.txt line $(($1 + 1)) is \"${L[$1]}\", expected \"$2\""; }
expect_line 0 " "
for i in "${!NAMES[@]}"; do expect_line $((i + 1)) "${NAMES[$i]}"; done
n=$((${#NAMES[@]} + 1))
expect_line $n " "
expect_line $((n + 1)) ".........."
expect_line $((n + 2)) "${#NAMES[@]} names"
expect_line $((n + 3)) "Created with Lullara v.2.0"
date_line=${L[$((n + 4))]}
[[ "$date_line" =~ [0-9] ]] || fail "last line \"$date_line\" holds no date"
[[ "$date_line" == *"$(date +%Y)"* || "$date_line" == *"$(date +%y)"* ]] || fail "last line \"$date_line\" does not hold this year"

# 2. HTML, chosen in the dialog's file-type box; the name has no extension,
#    the chosen type alone decides the format.
HTML=$E2E_TMP/out/page
save_as "$W" alt+s "$HTML" html
[ -f "$HTML" ] || fail "no file written at $HTML"
conf_expect SaveMethod 3
lines=$(wc -l <"$HTML")
check_crlf_text "$HTML" "$lines"
grep -q '<meta charset="utf-8">' "$HTML" || fail "the page has no <meta charset=\"utf-8\">"
grep -q '^<html><head>' "$HTML" || fail "the page has no <html><head> line"
grep -q '^</body></html>'$'\r''$' "$HTML" || fail "the page does not end with </body></html>"
for nm in "${NAMES[@]}"; do
  grep -q "<td width=100%>$nm</td>" "$HTML" || fail "the page has no row for $nm"
done
rows=$(grep -o '<td width=100%>[^<]*</td>' "$HTML" | sed 's/<[^>]*>//g')
[ "$rows" = "$(printf '%s\n' "${NAMES[@]}")" ] || fail "the page rows are not the generated names in order"
grep -q "\.\.\.\.\.\.\.\.\.\.\.\.\.\.\.\.\.\.\.\.\.<br>${#NAMES[@]} names<br>Created with Lullara v\.2\.0<br>" "$HTML" ||
  fail "the page has no closing line with the count and version"
imgs=$(grep -o 'src="[^"]*"' "$HTML" | sort -u)
[ "$(wc -l <<<"$imgs")" -eq 1 ] || fail "the rows use more than one picture: $imgs"
img=${imgs#src=\"}; img=${img%\"}
[ "$(basename "$img")" = guy.gif ] || fail "boys' rows show $img, expected guy.gif"
[ -f "$img" ] || fail "the picture $img does not exist beside the program"

# 3. The next dialog opens on the HTML type again: a name ending in .txt is
#    still written as a page, and replacing an existing file is confirmed.
AGAIN=$E2E_TMP/out/again.txt
save_as "$W" alt+s "$AGAIN"
grep -q '<meta charset="utf-8">' "$AGAIN" || fail "again.txt was not written as a page although the HTML type was remembered"
save_as "$W" alt+s "$AGAIN" text
conf_expect SaveMethod 2
head -c 3 "$AGAIN" | od -An -c | grep -q '\\r  \\n' || true
mapfile -t L < <(tr -d '\r' <"$AGAIN")
[ "${L[1]}" = "${NAMES[0]}" ] || fail "again.txt was not replaced by the plain-text list"

close_by_wm "$W"
conf_expect SaveMethod 2
log "passed"
