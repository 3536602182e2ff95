#!/usr/bin/env bash
# An HTML export holding a boys' and a girls' row, with names full of markup
# characters, opened in headless Chromium (no network): every name shows as
# text, no markup from a name is interpreted, and the row pictures load.
source "$(dirname "$0")/lib.sh"
e2e_init browser_html "$1" "$2"

BROWSER=""
for b in chromium chromium-browser google-chrome; do
  command -v "$b" >/dev/null 2>&1 && { BROWSER=$b; break; }
done
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
[ "$(tr -d '\r' <"$OUT/clip.txt")" = "$(printf '%s\n%s' "$BOY" "$GIRL")" ] ||
  fail "the list does not hold the two names added by hand: $(cat -A "$OUT/clip.txt")"

PAGE=$OUT/names.htm
save_as "$W" alt+s "$PAGE" html
close_by_wm "$W"
grep -qi '<html' "$PAGE" || fail "the export is not an HTML page"

# A page beside the export opens it in a frame and reports what the browser
# made of it: its rendered text, the elements that names could have produced,
# and whether each picture loaded.
cat >"$OUT/inspect.html" <<'HTML'
<!DOCTYPE html>
<html><head><meta charset="utf-8"></head><body><iframe id="f" src="names.htm"></iframe>
<script>
window.onload = function () {
  var out = [];
  var d = null;
  try { d = document.getElementById('f').contentDocument; } catch (e) { out.push('ERROR ' + e); }
  if (d && d.body) {
    for (var i = 0; i < d.images.length; i++) {
      var im = d.images[i];
      out.push('IMG ' + (im.complete && im.naturalWidth > 0 ? 'loaded' : 'broken') + ' ' + im.naturalWidth + 'x' + im.naturalHeight);
    }
    out.push('ELEMENTS b=' + d.getElementsByTagName('b').length + ' i=' + d.getElementsByTagName('i').length);
    out.push('TEXT');
    out.push(d.body.innerText);
  } else {
    out.push('NO ACCESS TO THE PAGE');
  }
  var pre = document.createElement('pre');
  pre.id = 'result';
  pre.textContent = btoa(unescape(encodeURIComponent(out.join('\n'))));
  document.body.appendChild(pre);
};
</script></body></html>
HTML

timeout 90 "$BROWSER" --headless --no-sandbox --disable-gpu --allow-file-access-from-files \
  --user-data-dir="$E2E_TMP/browser-profile" --no-first-run --no-default-browser-check \
  --disable-background-networking --disable-component-update --disable-sync \
  --disable-default-apps --disable-extensions --disable-breakpad --metrics-recording-only \
  --host-resolver-rules="MAP * ~NOTFOUND, EXCLUDE localhost" --proxy-server="127.0.0.1:9" \
  --virtual-time-budget=10000 --dump-dom "file://$OUT/inspect.html" \
  >"$OUT/dom.html" 2>"$OUT/browser.log" || fail "the browser failed (see browser.log)"
sed -n 's:.*<pre id="result">\([^<]*\)</pre>.*:\1:p' "$OUT/dom.html" | base64 -d >"$OUT/report.txt" ||
  fail "no report from the browser (see dom.html)"
cat "$OUT/report.txt" >&2

grep -q '^NO ACCESS\|^ERROR' "$OUT/report.txt" && fail "the inspecting page could not read the export"
[ "$(grep -c '^IMG ' "$OUT/report.txt")" -eq 2 ] || fail "expected 2 pictures, one per row"
if grep '^IMG ' "$OUT/report.txt" | grep -vq '^IMG loaded 16x16$'; then
  fail "a row picture did not load: $(grep '^IMG ' "$OUT/report.txt" | tr '\n' ' ')"
fi
grep -qx 'ELEMENTS b=0 i=0' "$OUT/report.txt" || fail "markup from a name was interpreted: $(grep ELEMENTS "$OUT/report.txt")"
text=$(sed -n '/^TEXT$/,$p' "$OUT/report.txt")
for nm in "$BOY" "$GIRL"; do
  grep -qF -- "$nm" <<<"$text" || fail "the rendered page does not show \"$nm\" as text"
done
grep -qF "2 names" <<<"$text" || fail "the rendered page has no \"2 names\""
grep -qF "Created with Lullara v.2.0" <<<"$text" || fail "the rendered page has no version line"
log "passed"
