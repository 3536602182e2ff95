# Shared helpers for Lullara's end-to-end tests:
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
E2E_NAME=lib E2E_XVFB_PID="" E2E_WM_PID="" E2E_APP_PID="" E2E_STEP=0 E2E_CLEANUP=()

log() { printf '[%s %s] %s\n' "$E2E_NAME" "$(date +%T)" "$*" >&2; }
fail() { log "FAIL: $*"; exit 1; }
skip() { log "SKIP: $*"; exit 77; }
on_exit() { E2E_CLEANUP+=("$*"); }   # a clean-up command, run at the end (last first)

e2e_require_tools() {
  local t
  for t in "$@"; do command -v "$t" >/dev/null || fail "missing tool $t (see tools/deps.sh test)"; done
}

# wait_for SECONDS COMMAND : runs the shell text COMMAND until it succeeds.
wait_for() {
  local end_=$((SECONDS + $1))
  until eval "$2"; do [ $SECONDS -lt $end_ ] || return 1; sleep 0.2; done
}

e2e_init() { e2e_world "$1" "$3"; e2e_copy_program "$2"; }

# e2e_world NAME ARTIFACT-ROOT : temporary folder, private home, clean-up.
e2e_world() {
  E2E_NAME=$1 E2E_ARTIFACTS=$2/$1
  e2e_require_tools Xvfb openbox xdotool xclip xwininfo xprop import timeout
  E2E_TMP=$(mktemp -d "${TMPDIR:-/tmp}/lullara-e2e.$1.XXXXXX")
  OUT=$E2E_TMP/out E2E_LOGS=$E2E_TMP/out
  mkdir -p "$OUT" "$E2E_TMP/home" -m 700 "$E2E_TMP/run"
  trap e2e_cleanup EXIT
  trap 'exit 130' INT TERM
  export HOME=$E2E_TMP/home XDG_RUNTIME_DIR=$E2E_TMP/run LANG=C.UTF-8 LC_ALL=C.UTF-8 \
    QT_QPA_PLATFORM=xcb NO_AT_BRIDGE=1 DBUS_SESSION_BUS_ADDRESS=unix:path=$E2E_TMP/run/no-bus
  export XDG_CONFIG_HOME=$HOME/.config XDG_DATA_HOME=$HOME/.local/share XDG_CACHE_HOME=$HOME/.cache
  unset QT_SCALE_FACTOR QT_SCREEN_SCALE_FACTORS QT_AUTO_SCREEN_SCALE_FACTOR QT_ENABLE_HIGHDPI_SCALING \
    QT_FONT_DPI SESSION_MANAGER XDG_SESSION_TYPE WAYLAND_DISPLAY
  CONF=$XDG_CONFIG_HOME/Lullara/Lullara.conf
}

# e2e_copy_program BIN-DIR : a private copy of the program and its companions.
e2e_copy_program() {
  [ -x "$1/lullara" ] || fail "no program at $1/lullara (build the target lullara first)"
  E2E_APP=$E2E_TMP/app E2E_PROGRAM=./lullara
  cp -a "$1" "$E2E_APP"
  write_names "$E2E_APP/guyname.txt" "# boys for the end-to-end test" "${E2E_BOYS[@]}"
  write_names "$E2E_APP/girlname.txt" "# girls for the end-to-end test" "${E2E_GIRLS[@]}"
}

# write_names FILE LINE... : one line each, ended by CR LF.
write_names() { rm -f "$1"; printf '%s\r\n' "${@:2}" >"$1"; }

e2e_cleanup() {
  local rc=$? i
  set +e
  trap - EXIT
  [ "$rc" -ne 0 ] && [ "$rc" -ne 77 ] && [ -n "$E2E_XVFB_PID" ] && shot at-failure
  for ((i = ${#E2E_CLEANUP[@]} - 1; i >= 0; i--)); do eval "${E2E_CLEANUP[$i]}" >/dev/null 2>&1; done
  stop_pid "$E2E_APP_PID"; stop_pid "$E2E_WM_PID"; stop_pid "$E2E_XVFB_PID"
  rm -rf "$E2E_ARTIFACTS"
  if { [ "$rc" -ne 0 ] && [ "$rc" -ne 77 ]; } || [ "${E2E_KEEP_ARTIFACTS:-0}" = 1 ]; then
    mkdir -p "${E2E_ARTIFACTS%/*}" && cp -a "$OUT" "$E2E_ARTIFACTS" && cp "$CONF" "$E2E_ARTIFACTS"/ 2>/dev/null
    log "artifacts kept in $E2E_ARTIFACTS"
  fi
  rm -rf "$E2E_TMP"
  exit "$rc"
}

# stop_pid PID : ends one process started here, politely first.
stop_pid() {
  [ -n "$1" ] && kill "$1" 2>/dev/null || return 0
  timeout 3 tail --pid="$1" -s 0.1 -f /dev/null || kill -KILL "$1" 2>/dev/null
  wait "$1" 2>/dev/null
  return 0
}

# start_x : Xvfb on a free display (of E2E_DISPLAYS, if given), openbox on it.
start_x() {
  local d f=$E2E_TMP/display
  for d in ${E2E_DISPLAYS:-any}; do
    [ "$d" = any ] && d="" || d=:$d
    : >"$f"
    Xvfb $d -displayfd 7 -nolisten tcp -screen 0 1280x1024x24 -dpi 96 -noreset 7>"$f" >>"$OUT/xvfb.log" 2>&1 &
    E2E_XVFB_PID=$!
    wait_for 10 '[ -s "$f" ] || ! kill -0 $E2E_XVFB_PID 2>/dev/null'
    [ -s "$f" ] && break
    E2E_XVFB_PID=""
  done
  [ -s "$f" ] || fail "no X server started (see xvfb.log)"
  export DISPLAY=:$(tr -dc 0-9 <"$f")
  echo '<openbox_config xmlns="http://openbox.org/3.4/rc"><keyboard><keybind key="A-F4"><action name="Close"/></keybind></keyboard></openbox_config>' >"$E2E_TMP/openbox.xml"
  openbox --sm-disable --config-file "$E2E_TMP/openbox.xml" >"$OUT/openbox.log" 2>&1 &
  E2E_WM_PID=$!
  wait_for 10 'xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q "window id"' || fail "openbox did not start"
  log "X server on $DISPLAY"
}

# start_app [LABEL] : starts E2E_PROGRAM in the folder E2E_APP.
start_app() {
  (cd "$E2E_APP" && exec "$E2E_PROGRAM") >>"$OUT/${1:-app}.log" 2>&1 &
  E2E_APP_PID=$!
}

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
  timeout 5 xdotool windowactivate --sync "$1" >/dev/null 2>&1 || log "could not activate window $1"
  sleep 0.2
}
keys() { activate "$1"; xdotool key --delay 60 "${@:2}"; }   # keys WINDOW KEY...
type_text() { activate "$1"; xdotool type --delay 20 -- "$2"; }

# Places (left, top, width, height) in the main window's client area of the
# controls the tests click: a frame's place plus the control's place in it.
declare -A PLACE=(
  [cmdBoysAdd]="193 9 33 17"
  [cmdGirlsAdd]="409 9 33 17"
  [optBoys]="77 9 57 21"       # Frame2 (63, 9) + (14, 0)
  [optGirls]="497 8 63 21"     # Frame3 (399, 9) + (98, -1)
  [optLetK]="350 175 29 15"    # Frame1 (63, 154) + optLet(10) (287, 21)
  [optLetAll]="518 189 43 15"  # Frame1 (63, 154) + (455, 35)
)
# click WINDOW CONTROL : a left click in the middle of the control.
click() {
  local p=(${PLACE[$2]})
  activate "$1"
  xdotool mousemove --window "$1" $((p[0] + p[2] / 2)) $((p[1] + p[3] / 2)) sleep 0.1 click 1
  sleep 0.2
}

# shot LABEL : a screenshot of the screen, kept with the artifacts.
shot() {
  E2E_STEP=$((E2E_STEP + 1))
  import -window root "$(printf '%s/shot-%02d-%s.png' "$OUT" $E2E_STEP "$1")" 2>>"$OUT/import.log" || log "no screenshot"
}

client_size() { xwininfo -id "$1" | awk '/^ *Width:/ {w=$2} /^ *Height:/ {h=$2} END {print w "x" h}'; }

# copy_all WINDOW FILE : Copy All (Alt+A), then the clipboard's text as it is.
copy_all() {
  keys "$1" alt+a
  sleep 0.3
  timeout 5 xclip -o -selection clipboard >"$2" 2>/dev/null || : >"$2"
}

crlf_lines() { awk '/\r$/ {n++} END {print n + 0}' "$1"; }

# check_crlf_text FILE N : exactly N lines, each ended by CR LF, no other CR.
check_crlf_text() {
  [ "$(wc -l <"$1")" -eq "$2" ] && cmp -s "$1" <(tr -d '\r' <"$1" | sed 's/$/\r/') ||
    fail "$(basename "$1") is not $2 lines each ended by CR LF"
}

# wait_rows WINDOW N SECONDS FILE : Copy All until the clipboard holds N rows.
wait_rows() {
  local got=0 end=$((SECONDS + $3))
  while [ $SECONDS -lt $end ]; do
    copy_all "$1" "$4"
    got=$(crlf_lines "$4")
    [ "$got" -lt "$2" ] || break
    sleep 0.5
  done
  [ "$got" -eq "$2" ] || fail "expected $2 generated rows, the clipboard holds $got"
}

# names_in FILE NAME... : every line of FILE is one of the NAMEs.
names_in() {
  local bad
  bad=$(tr -d '\r' <"$1" | grep -vxF -f <(printf '%s\n' "${@:2}")) && fail "unexpected names: $bad (allowed: ${*:2})"
  return 0
}

# wait_exit SECONDS : waits for the program to end; its status is E2E_APP_STATUS.
wait_exit() {
  wait_for "$1" '! kill -0 $E2E_APP_PID 2>/dev/null' || fail "the program did not end within $1 s"
  E2E_APP_STATUS=0
  wait "$E2E_APP_PID" || E2E_APP_STATUS=$?
  E2E_APP_PID=""
}

# close_by_wm WINDOW : Alt+F4, by which openbox asks the window to close.
close_by_wm() {
  keys "$1" alt+F4
  wait_exit 20
  [ "$E2E_APP_STATUS" -eq 0 ] || fail "the program ended with status $E2E_APP_STATUS after closing its window"
}

# The settings file: the keys of its [Setting] group.
conf_get() { [ -f "$CONF" ] && sed -n "/^\[Setting\]/,/^\[/ s/^$1=//p" "$CONF" | grep .; }
conf_expect() { [ "$(conf_get "$1")" = "$2" ] || fail "setting $1 is \"$(conf_get "$1")\", expected \"$2\""; }
conf_absent() { ! conf_get "$1" >/dev/null || fail "setting $1 should not be stored"; }
conf_write() { mkdir -p "${CONF%/*}"; printf '%s\n' '[Setting]' "$@" >"$CONF"; }

# save_as WINDOW KEY PATH [html|text] : Save All (alt+s) or Save Selected
# (alt+v) through the real dialog, with the file type picked if asked; the
# create or replace question is confirmed, "view the saved file?" answered No.
save_as() {
  local w=$1 d q b
  keys "$w" "$2"
  d=$(wait_window '^Save As\.\.\.$' 15) || fail "the Save As dialog did not open"
  sleep 0.3
  # The name box has the focus; one Tab further is the file-type box (the
  # Save button is disabled, and skipped, while the name is empty).
  case ${4:-} in
    html) keys "$d" ctrl+a BackSpace Tab End alt+n ;;
    text) keys "$d" ctrl+a BackSpace Tab Home Down alt+n ;;
    *) keys "$d" ctrl+a BackSpace ;;
  esac
  type_text "$d" "$3"
  keys "$d" Return
  wait_for 10 'q=$(xdotool getactivewindow) && [ "$q" != "$d" ] && xdotool getwindowname "$q" | grep -q "^Save As\.\.\.$"' ||
    fail "no create/replace question after the Save As dialog"
  shot save-question
  keys "$q" alt+y
  b=$(wait_window '^Lullara$' 15) || fail "no \"Lullara\" box after saving"
  keys "$b" alt+n
  wait_for 5 'window_gone "^Lullara$" && window_gone "^Save As\.\.\.$"' || fail "the boxes after saving did not close"
}

# Installed layout ----------------------------------------------------------

# check_layout PREFIX SOURCE-ROOT : the files of an installed Lullara under
# PREFIX (e.g. <root>/usr); with SOURCE-ROOT, the shipped files are compared
# with their sources.
check_layout() {
  local p=$1 src=$2 f size link
  [ -x "$p/lib/lullara/lullara" ] || fail "no executable $p/lib/lullara/lullara"
  file -L "$p/lib/lullara/lullara" | grep -q ELF || fail "$p/lib/lullara/lullara is not a program"
  for f in guyname.txt girlname.txt guy.gif girl.gif; do
    [ -s "$p/lib/lullara/$f" ] || fail "no $f in $p/lib/lullara"
  done
  [ -L "$p/bin/lullara" ] || [ -x "$p/bin/lullara" ] || fail "no command $p/bin/lullara"
  if [ -L "$p/bin/lullara" ]; then
    link=$(readlink "$p/bin/lullara")
    [[ "$link" != /* ]] || fail "bin/lullara is an absolute link ($link); the tree could not be moved"
    [ "$(readlink -f "$p/bin/lullara")" = "$(readlink -f "$p/lib/lullara/lullara")" ] ||
      fail "bin/lullara points at $link, not at ../lib/lullara/lullara"
  fi
  [ -f "$p/share/applications/lullara.desktop" ] || fail "no share/applications/lullara.desktop"
  desktop-file-validate "$p/share/applications/lullara.desktop" || fail "the installed desktop entry is not valid"
  grep -q '^Exec=lullara$' "$p/share/applications/lullara.desktop" || fail "the desktop entry does not run lullara"
  grep -q '^Icon=lullara$' "$p/share/applications/lullara.desktop" || fail "the desktop entry has no Icon=lullara"
  for size in 16 32 48 256; do
    f=$p/share/icons/hicolor/${size}x${size}/apps/lullara.png
    [ -f "$f" ] || fail "no icon $f"
    file "$f" | grep -q "PNG image data, $size x $size" || fail "$f is not a ${size}x${size} PNG"
  done
  f=$p/share/icons/hicolor/scalable/apps/lullara.svg
  [ -f "$f" ] || fail "no scalable icon"
  grep -q '<svg' "$f" || fail "$f is not an SVG picture"
  local meta
  meta=$(ls "$p"/share/metainfo/*.metainfo.xml 2>/dev/null | head -n 1)
  [ -n "$meta" ] || fail "no AppStream metainfo in share/metainfo"
  appstreamcli validate --no-net "$meta" >"$E2E_LOGS/metainfo-validate.txt" 2>&1 ||
    fail "the installed metainfo does not validate (see metainfo-validate.txt)"
  local id
  id=$(sed -n 's:.*<id>\(.*\)</id>.*:\1:p' "$meta" | head -n 1)
  [ "$(basename "$meta")" = "$id.metainfo.xml" ] || fail "metainfo file $(basename "$meta") is not named after its id $id"
  grep -q '<launchable type="desktop-id">lullara.desktop</launchable>' "$meta" || fail "metainfo does not launch lullara.desktop"
  if [ -n "$src" ]; then
    cmp -s "$src/resources/lullara.desktop" "$p/share/applications/lullara.desktop" || fail "installed desktop entry differs from its source"
    cmp -s "$src/resources/pictures/icon48.png" "$p/share/icons/hicolor/48x48/apps/lullara.png" || fail "installed 48x48 icon differs from its source"
  fi
}
