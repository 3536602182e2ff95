#!/usr/bin/env bash
# An HTML export holding a boys' and a girls' row, with names full of markup
# characters, opened in headless Chromium (no network): every name shows as
# text, no markup from a name is interpreted, and the row pictures load.
source "$(dirname "$0")/lib.sh"
e2e_init browser_html "$1" "$2"
BROWSER=$(command -v chromium chromium-browser google-chrome | head -n 1) || :
[ -n "$BROWSER" ] || skip "no Chromium installed (package chromium)"

# The odd names sort first in their boxes, and ".add" with nothing chosen
# adds a box's first entry.
BOY='<b>Bo & "Al"</b>'
GIRL="Amy & <i>Eve</i> 'n' Zoë"
write_names "$E2E_APP/guyname.txt" "# boys" "$BOY" Ben Carl Dan
write_names "$E2E_APP/girlname.txt" "# girls" "$GIRL" Beth Cleo Dora
start_x
start_app
W=$(main_window)
click "$W" cmdBoysAdd
click "$W" cmdGirlsAdd
copy_all "$W" "$OUT/clip.txt"
[ "$(tr -d '\r' <"$OUT/clip.txt")" = "$BOY"$'\n'"$GIRL" ] || fail "the list does not hold the two names added by hand"
save_as "$W" "$OUT/names.htm" html
close_by_wm "$W"

# A page beside the export opens it in a frame and reports what the browser
# made of it: whether each picture loaded, the elements that names could
# have produced, and its rendered text.
cat >"$OUT/inspect.html" <<'HTML'
<!DOCTYPE html><html><head><meta charset="utf-8"></head><body><iframe id="f" src="names.htm"></iframe><script>
window.onload = function () {
  var d = document.getElementById('f').contentDocument, out = [];
  for (var im of d.images) out.push('IMG ' + (im.complete && im.naturalWidth > 0 ? 'loaded' : 'broken') + ' ' + im.naturalWidth + 'x' + im.naturalHeight);
  out.push('ELEMENTS b=' + d.getElementsByTagName('b').length + ' i=' + d.getElementsByTagName('i').length, d.body.innerText);
  var pre = document.createElement('pre');
  pre.id = 'result';
  pre.textContent = btoa(unescape(encodeURIComponent(out.join('\n'))));
  document.body.appendChild(pre);
};
</script></body></html>
HTML
timeout 90 "$BROWSER" --headless --no-sandbox --disable-gpu --allow-file-access-from-files \
  --user-data-dir="$E2E_TMP/browser-profile" --no-first-run --disable-background-networking --disable-component-update \
  --host-resolver-rules="MAP * ~NOTFOUND, EXCLUDE localhost" --proxy-server="127.0.0.1:9" \
  --virtual-time-budget=10000 --dump-dom "file://$OUT/inspect.html" >"$OUT/dom.html" 2>"$OUT/browser.log" ||
  fail "the browser failed (see browser.log)"
sed -n 's:.*<pre id="result">\([^<]*\)</pre>.*:\1:p' "$OUT/dom.html" | base64 -d >"$OUT/report.txt" && [ -s "$OUT/report.txt" ] ||
  fail "no report from the browser (see dom.html)"
cat "$OUT/report.txt" >&2

[ "$(grep '^IMG ' "$OUT/report.txt")" = "IMG loaded 16x16"$'\n'"IMG loaded 16x16" ] || fail "the two row pictures did not load"
grep -qx 'ELEMENTS b=0 i=0' "$OUT/report.txt" || fail "markup from a name was interpreted"
for nm in "$BOY" "$GIRL"; do
  grep -qF -- "$nm" "$OUT/report.txt" || fail "the rendered page does not show \"$nm\" as text"
done
log passed
