#!/usr/bin/env bash
# cmake --install lays Lullara out as a desktop program with its licences,
# changes and manual page; the installed command (a link in bin) starts the
# program, which finds its name lists in lib/lullara beside its real
# executable.
# Usage: package_install.sh BUILD-DIR ARTIFACT-ROOT
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/package_lib.sh"
BUILD=$(cd "$1" && pwd)
e2e_world package_install "$2"
e2e_require_tools cmake file desktop-file-validate appstreamcli man gzip dpkg-parsechangelog

ROOT=$E2E_TMP/root
DESTDIR=$ROOT cmake --install "$BUILD" --prefix /usr >"$E2E_LOGS/install.log" 2>&1 ||
  fail "cmake --install failed (see install.log)"
check_layout "$ROOT/usr" "$(cd "$(dirname "$0")/../.." && pwd)"

# Every installed companion is the one the build put beside the program.
for f in guyname.txt girlname.txt guy.gif girl.gif; do
  cmp -s "$BUILD/bin/$f" "$ROOT/usr/lib/lullara/$f" || fail "installed $f differs from the built one"
done
check_docs "$ROOT/usr"
cmp -s "$(cd "$(dirname "$0")/../.." && pwd)/doc/copyright" "$ROOT/usr/share/doc/lullara/copyright" ||
  fail "installed copyright file differs from doc/copyright"

start_x
E2E_APP=$E2E_TMP
E2E_PROGRAM=$ROOT/usr/bin/lullara
start_app installed
W=$(main_window)
shot "installed-program" >/dev/null
close_by_wm "$W"
conf_expect optAll True
log "passed"
