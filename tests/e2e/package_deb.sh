#!/usr/bin/env bash
# CPack builds a .deb with dependencies computed from the binary; lintian
# finds no error in it (its warnings and notes are logged and printed);
# unpacked with dpkg -x into a temporary root, it carries its files,
# licences, changes and manual page, and the program starts and shows its
# window.
# Usage: package_deb.sh BUILD-DIR ARTIFACT-ROOT
source "$(dirname "$0")/lib.sh"
e2e_world package_deb "$2"
for t in dpkg-deb dpkg-shlibdeps dpkg; do command -v $t >/dev/null || skip "no $t: the .deb needs Debian's tools (dpkg-dev)"; done
need cpack lintian man gzip dpkg-parsechangelog
cpack -G DEB --config "$1/CPackConfig.cmake" -B "$E2E_TMP/pkg" >"$OUT/cpack.log" 2>&1 || fail "cpack failed (see cpack.log)"
deb=$(ls "$E2E_TMP"/pkg/*.deb | head -n 1)
log "built ${deb##*/}"

field() { dpkg-deb -f "$deb" "$1"; }
[ "$(field Package)" = lullara ] || fail "package name is \"$(field Package)\""
[ "$(field Architecture)" = "$(dpkg --print-architecture)" ] || fail "architecture is \"$(field Architecture)\""
[ -n "$(field Description)" ] || fail "the package has no description"
# The home page is the one the metainfo gives.
homepage=$(sed -n 's:.*<url type="homepage">\(.*\)</url>.*:\1:p' "$SOURCE_ROOT/resources/lullara.metainfo.xml")
[ -n "$homepage" ] && [ "$(field Homepage)" = "$homepage" ] || fail "Homepage is \"$(field Homepage)\", not the metainfo's \"$homepage\""
depends=" $(field Depends | tr ',' '\n' | awk '{print $1}' | tr '\n' ' ')"
for lib in libc6 libstdc++6 libqt6core6 libqt6gui6 libqt6widgets6 libqt6printsupport6; do
  [[ "$depends" == *" $lib "* ]] || fail "Depends lacks $lib: $(field Depends)"
done
# Qt's Wayland plugin, so that a Wayland session runs the program natively.
[[ " $(field Recommends | tr ',' ' ') " == *" qt6-wayland "* ]] || fail "Recommends lacks qt6-wayland: $(field Recommends)"

# lintian: errors fail the test; warnings, notes and pedantic remarks are reported.
status=0
lintian --fail-on error --display-info --pedantic --show-overrides "$deb" >"$OUT/lintian.txt" 2>&1 || status=$?
sed 's/^/lintian: /' "$OUT/lintian.txt" >&2
[ "$status" -eq 0 ] && ! grep -q '^E: ' "$OUT/lintian.txt" || fail "lintian ended with status $status (see lintian.txt)"

ROOT=$E2E_TMP/root
dpkg -x "$deb" "$ROOT"
check_installed "$ROOT/usr"
[[ "$(field Version)" == "$(program_version "$ROOT/usr/bin/lullara")"* ]] || fail "package version $(field Version) is not the program's"

start_x
E2E_APP=$E2E_TMP E2E_PROGRAM=$ROOT/usr/bin/lullara
start_app unpacked
close_by_wm "$(main_window)"
[ -f "$CONF" ] || fail "the unpacked program wrote no settings"
log passed
