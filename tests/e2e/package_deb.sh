#!/usr/bin/env bash
# CPack builds a .deb with dependencies computed from the binary; lintian
# finds no error in it (its warnings and notes are logged and printed);
# unpacked with dpkg -x into a temporary root, it carries its licences,
# changes and manual page, and the program starts and shows its window.
# Usage: package_deb.sh BUILD-DIR ARTIFACT-ROOT
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/package_lib.sh"
BUILD=$(cd "$1" && pwd)
e2e_world package_deb "$2"
for t in dpkg-deb dpkg-shlibdeps dpkg; do
  command -v "$t" >/dev/null 2>&1 || skip "$t is not available: the .deb needs Debian's packaging tools (dpkg-dev)"
done
e2e_require_tools cpack file desktop-file-validate appstreamcli lintian man gzip dpkg-parsechangelog
[ -f "$BUILD/CPackConfig.cmake" ] || fail "no CPackConfig.cmake in $BUILD"

PKG=$E2E_TMP/pkg
mkdir -p "$PKG"
cpack -G DEB --config "$BUILD/CPackConfig.cmake" -B "$PKG" >"$E2E_LOGS/cpack.log" 2>&1 ||
  fail "cpack failed (see cpack.log)"
deb=$(find "$PKG" -maxdepth 1 -name '*.deb' | head -n 1)
[ -n "$deb" ] || fail "cpack made no .deb"
log "built $(basename "$deb")"

dpkg-deb -I "$deb" >"$E2E_LOGS/deb-info.txt"
dpkg-deb -c "$deb" >"$E2E_LOGS/deb-contents.txt"
field() { dpkg-deb -f "$deb" "$1"; }
[ "$(field Package)" = lullara ] || fail "package name is \"$(field Package)\""
[[ "$(field Version)" == 2.0* ]] || fail "package version is \"$(field Version)\""
[ "$(field Maintainer)" = "Quorvel team <lullara@quorvel.example.org>" ] || fail "maintainer is \"$(field Maintainer)\""
[ "$(field Architecture)" = "$(dpkg --print-architecture)" ] || fail "architecture is \"$(field Architecture)\""
depends=$(field Depends)
log "Depends: $depends"
dep_names=" $(tr ',' '\n' <<<"$depends" | awk '{print $1}' | tr '\n' ' ')"
for lib in libc6 libstdc++6 libqt6core6 libqt6gui6 libqt6widgets6 libqt6printsupport6; do
  [[ "$dep_names" == *" $lib "* ]] || fail "Depends lacks $lib: $depends"
done
# (sed reads the whole field: head would end the pipe early and fail it)
[ -n "$(field Description | sed -n 1p)" ] || fail "the package has no summary"
recommends=$(field Recommends)
log "Recommends: $recommends"
# Qt's Wayland plugin, so that a Wayland session runs the program natively.
[[ " $(tr ',' ' ' <<<"$recommends") " == *" qt6-wayland "* ]] || fail "Recommends lacks qt6-wayland: $recommends"

# lintian: errors fail the test; warnings, notes and pedantic remarks are
# reported (the log keeps them all).
lintian_status=0
lintian --fail-on error --display-info --pedantic --show-overrides "$deb" \
  >"$E2E_LOGS/lintian.txt" 2>"$E2E_LOGS/lintian-stderr.txt" || lintian_status=$?
while IFS= read -r line; do log "lintian: $line"; done <"$E2E_LOGS/lintian.txt"
if [ "$lintian_status" -eq 1 ] || grep -q '^E: ' "$E2E_LOGS/lintian.txt"; then
  fail "lintian reports errors: $(grep '^E: ' "$E2E_LOGS/lintian.txt" | cut -d' ' -f3 | sort -u | tr '\n' ' ')"
fi
[ "$lintian_status" -eq 0 ] ||
  fail "lintian ended with status $lintian_status (see lintian-stderr.txt): $(tail -n 3 "$E2E_LOGS/lintian-stderr.txt")"
log "lintian: $(grep -c '^W: ' "$E2E_LOGS/lintian.txt" || true) warnings, no error"

ROOT=$E2E_TMP/root
dpkg -x "$deb" "$ROOT"
check_layout "$ROOT/usr" ""
check_docs "$ROOT/usr"
[[ "$(field Version)" == "$(program_version "$ROOT/usr/bin/lullara")"* ]] ||
  fail "package version $(field Version) is not the version the program reports"

start_x
E2E_APP=$E2E_TMP
E2E_PROGRAM=$ROOT/usr/bin/lullara
start_app unpacked
W=$(main_window)
size=$(client_size "$W")
[ "$size" = "577x562" ] || fail "client area is $size, expected 577x562"
shot "unpacked-program" >/dev/null
close_by_wm "$W"
[ -f "$CONF" ] || fail "the unpacked program wrote no settings"
log "passed"
