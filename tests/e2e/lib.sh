# Shared helpers for Lullara's end-to-end and package tests:
#   source "$(dirname "$0")/lib.sh"; e2e_init NAME BIN-DIR ARTIFACT-ROOT
# gives the test a temporary home, a private copy of the program with small
# name files and, after start_x, an Xvfb display with openbox. All of it ends
# with the script; a failing test leaves its folder OUT (screenshots, logs,
# written files) and the settings file in ARTIFACT-ROOT/NAME. Exit code 77
# means skipped. E2E_KEEP_ARTIFACTS=1 keeps them after a pass too;
# E2E_DISPLAYS="93 94" names the X displays the tests may take.
set -euo pipefail

# The names of the test's own name files (CR LF line ends, a comment first).
E2E_BOYS=(Adam Ben Carl Dan Eric Finn Gus Hugo Ivan Karl Kevin Kurt Kyle Leo)
E2E_GIRLS=(Anna Beth Cleo Dora Emma Fay Gina Hope Iris Kara Kate Kim Kira Lea)
E2E_NAME=${0##*/} E2E_XVFB_PID="" E2E_WM_PID="" E2E_APP_PID="" E2E_STEP=0 E2E_CLEANUP=()
SOURCE_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)

log() { printf '[%s %s] %s\n' "$E2E_NAME" "$(date +%T)" "$*" >&2; }
fail() { log "FAIL: $*"; exit 1; }
skip() { log "SKIP: $*"; exit 77; }
on_exit() { E2E_CLEANUP+=("$*"); }   # a clean-up command, run at the end (last first)
need() { local t; for t in "$@"; do command -v "$t" >/dev/null || fail "missing tool $t (see tools/deps.sh test)"; done; }
# The program run with no display at all.
nodisplay() { env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$@"; }

# wait_for SECONDS COMMAND : runs the shell text COMMAND until it succeeds.
wait_for() { local end_=$((SECONDS + $1)); until eval "$2"; do [ $SECONDS -lt $end_ ] || return 1; sleep 0.2; done; }

# e2e_world NAME ARTIFACT-ROOT : temporary folder, private home, clean-up.
e2e_world() {
  E2E_NAME=$1 E2E_ARTIFACTS=$2/$1
  need Xvfb openbox xdotool xclip xwininfo xprop import timeout
  E2E_TMP=$(mktemp -d "${TMPDIR:-/tmp}/lullara-e2e.$1.XXXXXX") OUT=$E2E_TMP/out
  mkdir -p "$OUT" "$E2E_TMP/home" -m 700 "$E2E_TMP/run"
  trap e2e_cleanup EXIT; trap 'exit 130' INT TERM
  export HOME=$E2E_TMP/home XDG_RUNTIME_DIR=$E2E_TMP/run LANG=C.UTF-8 LC_ALL=C.UTF-8 \
    QT_QPA_PLATFORM=xcb NO_AT_BRIDGE=1 DBUS_SESSION_BUS_ADDRESS=unix:path=$E2E_TMP/run/no-bus
  export XDG_CONFIG_HOME=$HOME/.config XDG_DATA_HOME=$HOME/.local/share XDG_CACHE_HOME=$HOME/.cache
  unset QT_SCALE_FACTOR QT_SCREEN_SCALE_FACTORS QT_AUTO_SCREEN_SCALE_FACTOR QT_ENABLE_HIGHDPI_SCALING \
    QT_FONT_DPI SESSION_MANAGER XDG_SESSION_TYPE WAYLAND_DISPLAY
  CONF=$XDG_CONFIG_HOME/Lullara/Lullara.conf
}

# e2e_init NAME BIN-DIR ARTIFACT-ROOT : the world and a private copy of the
# built program with the test's own name files.
e2e_init() {
  e2e_world "$1" "$3"
  [ -x "$2/lullara" ] || fail "no program at $2/lullara (build the target lullara first)"
  E2E_APP=$E2E_TMP/app E2E_PROGRAM=./lullara
  cp -a "$2" "$E2E_APP"
  write_names "$E2E_APP/guyname.txt" "# boys for the end-to-end test" "${E2E_BOYS[@]}"
  write_names "$E2E_APP/girlname.txt" "# girls for the end-to-end test" "${E2E_GIRLS[@]}"
}

# e2e_install NAME BUILD-DIR ARTIFACT-ROOT : the world and cmake --install
# into ROOT (prefix /usr), whose command E2E_PROGRAM is.
e2e_install() {
  e2e_world "$1" "$3"
  need cmake
  ROOT=$E2E_TMP/root E2E_APP=$E2E_TMP E2E_PROGRAM=$E2E_TMP/root/usr/bin/lullara
  DESTDIR=$ROOT cmake --install "$2" --prefix /usr >"$OUT/install.log" 2>&1 || fail "cmake --install failed (see install.log)"
}

# write_names FILE LINE... : one line each, ended by CR LF.
write_names() { rm -f "$1"; printf '%s\r\n' "${@:2}" >"$1"; }

e2e_cleanup() {
  local rc=$? i
  set +e; trap - EXIT
  if [ "$rc" -ne 0 ] && [ "$rc" -ne 77 ]; then E2E_KEEP_ARTIFACTS=1; [ -z "$E2E_XVFB_PID" ] || shot at-failure; fi
  for ((i = ${#E2E_CLEANUP[@]} - 1; i >= 0; i--)); do eval "${E2E_CLEANUP[$i]}" >/dev/null 2>&1; done
  stop_pid "$E2E_APP_PID"; stop_pid "$E2E_WM_PID"; stop_pid "$E2E_XVFB_PID"
  rm -rf "$E2E_ARTIFACTS"
  if [ "${E2E_KEEP_ARTIFACTS:-0}" = 1 ]; then
    mkdir -p "${E2E_ARTIFACTS%/*}" && cp -a "$OUT" "$E2E_ARTIFACTS" && cp "$CONF" "$E2E_ARTIFACTS"/ 2>/dev/null
    log "artifacts kept in $E2E_ARTIFACTS"
  fi
  rm -rf "$E2E_TMP"
  exit "$rc"
}

# stop_pid PID : ends one process started here, politely first.
stop_pid() {
  [ -n "$1" ] && kill "$1" 2>/dev/null || return 0
  timeout 3 tail --pid="$1" -s 0.1 -f /dev/null || kill -KILL "$1" 2>/dev/null; wait "$1" 2>/dev/null; return 0
}

# start_x : Xvfb on a free display (of E2E_DISPLAYS, if given), openbox on it.
start_x() {
  local d f=$E2E_TMP/display
  for d in ${E2E_DISPLAYS:-any}; do
    [ "$d" = any ] && d="" || d=:$d
    : >"$f"
    Xvfb $d -displayfd 7 -nolisten tcp -screen 0 1280x1024x24 -dpi 96 -noreset 7>"$f" >>"$OUT/xvfb.log" 2>&1 & E2E_XVFB_PID=$!
    wait_for 10 '[ -s "$f" ] || ! kill -0 $E2E_XVFB_PID 2>/dev/null'
    [ -s "$f" ] && break || E2E_XVFB_PID=""
  done
  [ -s "$f" ] || fail "no X server started (see xvfb.log)"
  export DISPLAY=:$(tr -dc 0-9 <"$f")
  echo '<openbox_config xmlns="http://openbox.org/3.4/rc"><keyboard><keybind key="A-F4"><action name="Close"/></keybind></keyboard></openbox_config>' >"$E2E_TMP/openbox.xml"
  openbox --sm-disable --config-file "$E2E_TMP/openbox.xml" >"$OUT/openbox.log" 2>&1 & E2E_WM_PID=$!
  wait_for 10 'xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q "window id"' || fail "openbox did not start"
}

# start_app [LABEL] : starts E2E_PROGRAM in the folder E2E_APP.
start_app() { (cd "$E2E_APP" && exec "$E2E_PROGRAM") >>"$OUT/${1:-app}.log" 2>&1 & E2E_APP_PID=$!; }

# wait_window REGEX [SECONDS] : the id of the first visible window so named.
wait_window() {
  local re=$1 id
  wait_for "${2:-30}" 'id=$(timeout 10 xdotool search --onlyvisible --name "$re" 2>/dev/null | head -n 1); [ -n "$id" ]' &&
    echo "$id"
}
window_gone() { ! xdotool search --onlyvisible --name "$1" >/dev/null 2>&1; }
main_window() { wait_window '^Lullara v2\.0$' || fail "the main window \"Lullara v2.0\" did not appear"; }

activate() {
  [ "$(xdotool getactivewindow 2>/dev/null)" != "$1" ] || return 0
  timeout 5 xdotool windowactivate --sync "$1" >/dev/null 2>&1 || log "could not activate window $1"; sleep 0.2
}
keys() { activate "$1"; xdotool key --delay 60 "${@:2}"; }   # keys WINDOW KEY...

# Places (left, top, width, height) in the main window's client area of the
# controls the tests click: a frame's place plus the control's place in it.
declare -A PLACE=(
  [cmdBoysAdd]="193 9 33 17"
  [cmdGirlsAdd]="409 9 33 17"
  [optGirls]="497 8 63 21"     # Frame3 (399, 9) + (98, -1)
  [optLetK]="350 175 29 15"    # Frame1 (63, 154) + optLet(10) (287, 21)
)
# click WINDOW CONTROL : a left click in the middle of the control.
click() {
  local p=(${PLACE[$2]}); activate "$1"
  xdotool mousemove --window "$1" $((p[0] + p[2] / 2)) $((p[1] + p[3] / 2)) sleep 0.1 click 1 sleep 0.2
}

# shot LABEL : a screenshot of the screen, kept with the artifacts.
shot() { E2E_STEP=$((E2E_STEP + 1)); import -window root "$(printf '%s/shot-%02d-%s.png' "$OUT" $E2E_STEP "$1")" 2>>"$OUT/import.log" || log "no screenshot"; }

client_size() { xwininfo -id "$1" | awk '/^ *Width:/ {w=$2} /^ *Height:/ {h=$2} END {print w "x" h}'; }

# copy_all WINDOW FILE : Copy All (Alt+A), then the clipboard's text as it is.
copy_all() { keys "$1" alt+a; sleep 0.3; timeout 5 xclip -o -selection clipboard >"$2" 2>/dev/null || : >"$2"; }
crlf_lines() { awk '/\r$/ {n++} END {print n + 0}' "$1"; }

# wait_rows WINDOW N SECONDS FILE : Copy All until the clipboard holds N rows
# ended by CR LF.
wait_rows() {
  local got end=$((SECONDS + $3))
  until copy_all "$1" "$4"; got=$(crlf_lines "$4"); [ "$got" -ge "$2" ] || [ $SECONDS -ge $end ]; do sleep 0.5; done
  [ "$got" -eq "$2" ] || fail "expected $2 generated rows, the clipboard holds $got"
}

# names_in FILE NAME... : every line of FILE is one of the NAMEs.
names_in() { ! tr -d '\r' <"$1" | grep -vxF -f <(printf '%s\n' "${@:2}") || fail "unexpected names above (allowed: ${*:2})"; }

# wait_exit SECONDS : waits for the program to end; its status is E2E_APP_STATUS.
wait_exit() {
  wait_for "$1" '! kill -0 $E2E_APP_PID 2>/dev/null' || fail "the program did not end within $1 s"
  E2E_APP_STATUS=0; wait "$E2E_APP_PID" || E2E_APP_STATUS=$?; E2E_APP_PID=""
}

# close_by_wm WINDOW : Alt+F4, by which openbox asks the window to close.
close_by_wm() {
  keys "$1" alt+F4; wait_exit 20
  [ "$E2E_APP_STATUS" -eq 0 ] || fail "the program ended with status $E2E_APP_STATUS after closing its window"
}

# error_box LABEL : the program shows "Error 53" and ends with a failure
# status after it, without writing settings.
error_box() {
  local b
  b=$(wait_window '^Error 53$') || fail "no \"Error 53\" box ($1)"
  sleep 0.5; shot "error-$1"
  wait_for 5 'xprop -id "$b" _NET_WM_ICON | grep -q "Icon ("' || fail "the box has no window icon ($1)"
  window_gone '^Lullara v2\.0$' || fail "the main window is shown although $1"
  keys "$b" Return; wait_exit 15
  [ "$E2E_APP_STATUS" -ne 0 ] || fail "the program exited with status 0 after the error box ($1)"
  [ ! -e "$CONF" ] || fail "settings were written although $1"
}

# The settings file: the keys of its [Setting] group.
conf_get() { [ -f "$CONF" ] && sed -n "/^\[Setting\]/,/^\[/ s/^$1=//p" "$CONF" | grep .; }
conf_expect() {
  local kv
  for kv; do [ "$(conf_get "${kv%%=*}")" = "${kv#*=}" ] || fail "setting ${kv%%=*} is \"$(conf_get "${kv%%=*}")\", not \"${kv#*=}\""; done
}
conf_write() { mkdir -p "${CONF%/*}"; printf '%s\n' '[Setting]' "$@" >"$CONF"; }

# save_as WINDOW PATH [html|text] : Save All (Alt+S) through the real dialog,
# with the file type picked if asked; the create or replace question is
# confirmed, "view the saved file?" answered No.
save_as() {
  local w=$1 d q b
  keys "$w" alt+s
  d=$(wait_window '^Save As\.\.\.$' 15) && sleep 0.3 || fail "the Save As dialog did not open"
  # The name box has the focus; one Tab further is the file-type box (the
  # Save button is disabled, and skipped, while the name is empty).
  case ${3:-} in
    html) keys "$d" ctrl+a BackSpace Tab End alt+n ;;
    text) keys "$d" ctrl+a BackSpace Tab Home Down alt+n ;;
    *) keys "$d" ctrl+a BackSpace ;;
  esac
  xdotool type --delay 20 -- "$2"; keys "$d" Return
  wait_for 10 'q=$(xdotool getactivewindow) && [ "$q" != "$d" ] && xdotool getwindowname "$q" | grep -q "^Save As\.\.\.$"' ||
    fail "no create/replace question after the Save As dialog"
  keys "$q" alt+y
  b=$(wait_window '^Lullara$' 15) || fail "no \"Lullara\" box after saving"
  keys "$b" alt+n
  wait_for 5 'window_gone "^Lullara$" && window_gone "^Save As\.\.\.$"' || fail "the boxes after saving did not close"
}

# Installed Lullara ---------------------------------------------------------

# program_version PROGRAM : the version of the first line of --version
# ("Lullara 2.0" gives 2.0), asked without any display.
program_version() {
  local out
  out=$(nodisplay "$1" --version | sed -n 1p) || fail "$1 --version failed without a display"
  [[ "$out" =~ ^Lullara\ ([0-9]+\.[0-9]+)$ ]] || fail "first line of --version is \"$out\""
  echo "${BASH_REMATCH[1]}"
}

# check_installed PREFIX : the files of the Lullara installed under PREFIX
# (e.g. <root>/usr) are those of the source tree, in their places; its
# documents are sound and agree with the program's version.
check_installed() {
  local p=$1 s=$SOURCE_ROOT f id version meta doc=$1/share/doc/lullara
  [ "$(readlink "$p/bin/lullara")" = ../lib/lullara/lullara ] || fail "bin/lullara is not a link to ../lib/lullara/lullara"
  [ -x "$p/lib/lullara/lullara" ] || fail "no executable $p/lib/lullara/lullara"
  for f in guyname.txt girlname.txt guy.gif girl.gif usnames.txt; do cmp -s "$s/resources/$f" "$p/lib/lullara/$f" || fail "no lib/lullara/$f"; done
  for f in 16 32 48 256; do cmp -s "$s/resources/pictures/icon$f.png" "$p/share/icons/hicolor/${f}x$f/apps/lullara.png" || fail "no ${f}x$f icon"; done
  cmp -s "$s/resources/svg/lullara.svg" "$p/share/icons/hicolor/scalable/apps/lullara.svg" || fail "no scalable icon"
  cmp -s "$s/doc/copyright" "$doc/copyright" || fail "no copyright file"
  meta=$(ls "$p"/share/metainfo/*.metainfo.xml | head -n 1)
  cmp -s "$s/resources/lullara.metainfo.xml" "$meta" || fail "no metainfo"
  id=$(sed -n 's:.*<id>\(.*\)</id>.*:\1:p' "$meta" | head -n 1)
  [ "${meta##*/}" = "$id.metainfo.xml" ] || fail "metainfo file ${meta##*/} is not named after its id $id"
  # The desktop entry carries the component id too, and the metainfo launches it by that name.
  [ "$(ls "$p/share/applications")" = "$id.desktop" ] || fail "share/applications holds \"$(ls "$p/share/applications" | tr '\n' ' ')\", not $id.desktop"
  cmp -s "$s/resources/lullara.desktop" "$p/share/applications/$id.desktop" || fail "$id.desktop is not resources/lullara.desktop"
  grep -q "<launchable type=\"desktop-id\">$id.desktop</launchable>" "$meta" || fail "the metainfo does not launch $id.desktop"

  version=$(program_version "$p/bin/lullara")
  grep -q "<release version=\"$version\"" "$meta" || fail "the metainfo has no release $version"
  head -n 1 "$doc/copyright" | grep -qx 'Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/' ||
    fail "the copyright file is not in Debian's machine-readable format"
  for f in $(sed -n 's/^License: //p' "$doc/copyright" | tr ' ' '\n' | grep -vx and | sort -u); do
    awk -v l="License: $f" 'BEGIN { RS = "" } { split($0, a, "\n") } a[1] == l { found = 1 } END { exit !found }' "$doc/copyright" ||
      fail "the copyright file has no paragraph for the licence $f"
  done
  # Compressed without a time stamp, so that the same source gives the same package.
  for f in "$doc/changelog.gz" "$p/share/man/man1/lullara.1.gz"; do
    gzip -t "$f" && [ "$(od -An -tx1 -j4 -N4 "$f" | tr -d ' \n')" = 00000000 ] || fail "$f is no gzip file without a time stamp"
  done
  [ "$(zcat "$doc/changelog.gz" | dpkg-parsechangelog -l- -SVersion)" = "$version" ] ||
    fail "the newest changelog entry is not the program's version $version"
  check_man "$p/share/man/man1/lullara.1.gz" "$p/bin/lullara"
}

# check_man PAGE PROGRAM : man -l renders the page without a warning and its
# OPTIONS list every option that PROGRAM --help lists.
check_man() {
  local text opt options
  text=$(MANWIDTH=80 MAN_DISABLE_SECCOMP=1 man --warnings -E UTF-8 -l "$1" 2>"$OUT/man-warnings.txt") || fail "man -l $1 failed"
  [ ! -s "$OUT/man-warnings.txt" ] || fail "man -l warns: $(head -n 3 "$OUT/man-warnings.txt")"
  grep -A1 -x NAME <<<"$text" | grep -Eq '^ +lullara - ' || fail "the manual page's NAME line is not \"lullara - ...\""
  options=$(nodisplay "$2" --help | grep -Eo '^ +--[a-z-]+' | tr -d ' ') || :
  [ -n "$options" ] || fail "$2 --help lists no option"
  for opt in $options; do
    grep -Eq "^ +$opt\b" <<<"$(sed -n '/^OPTIONS$/,/^[A-Z]/p' <<<"$text")" || fail "option $opt of --help is not in the manual page"
  done
}
