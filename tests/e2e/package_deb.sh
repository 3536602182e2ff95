#!/usr/bin/env bash
# CPack builds a .deb with dependencies computed from the binary; unpacked
# with dpkg -x into a temporary root, the program starts and shows its window.
# Usage: package_deb.sh BUILD-DIR ARTIFACT-ROOT
source "$(dirname "$0")/lib.sh"
BUILD=$(cd "$1" && pwd)
e2e_world package_deb "$2"
for t in dpkg-deb dpkg-shlibdeps dpkg; do
  command -v "$t" >/dev/null 2>&1 || skip "$t is not available: the .deb needs Debian's packaging tools (dpkg-dev)"
done
e2e_require_tools cpack file desktop-file-validate appstreamcli
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
field Description | head -n 1 | grep -q . || fail "the package has no summary"

ROOT=$E2E_TMP/root
dpkg -x "$deb" "$ROOT"
check_layout "$ROOT/usr" ""

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
