# Shared helpers for Lullara's end-to-end tests.
#
# Every test gets a world of its own: a temporary home folder, a private copy
# of the program with small name files written by the test, its own Xvfb
# display with openbox as window manager. Everything started here is ended
# when the test script exits; on failure the screenshots, logs, settings file
# and saved files are kept in <artifacts>/<test>/.
#
# Usage from a test script:
#   source "$(dirname "$0")/lib.sh"
#   e2e_init <test-name> <folder-of-built-program> <artifacts-root>
#
# Exit code 77 from a test means "skipped" (CTest SKIP_RETURN_CODE).
# E2E_KEEP_ARTIFACTS=1 keeps the artifacts of passing tests as well.

set -euo pipefail

E2E_NAME=""
E2E_BIN=""
E2E_ARTIFACTS=""
E2E_TMP=""
E2E_APP=""
E2E_PROGRAM=""
E2E_LOGS=""
E2E_SHOTS=""
E2E_XVFB_PID=""
E2E_WM_PID=""
E2E_APP_PID=""
E2E_APP_STATUS=""
E2E_STEP=0
E2E_EXTRA_CLEANUP=()
CONF=""

# Names written into the test's own name files (CR LF line ends, a comment
# line first). Kept short so that every check can list what it expects.
E2E_BOYS=(Adam Ben Carl Dan Eric Finn Gus Hugo Ivan Karl Kevin Kurt Kyle Leo)
E2E_GIRLS=(Anna Beth Cleo Dora Emma Fay Gina Hope Iris Kara Kate Kim Kira Lea)

log() { printf '[%s %s] %s\n' "$E2E_NAME" "$(date +%H:%M:%S)" "$*" >&2; }

fail() {
  log "FAIL: $*"
  exit 1
}

skip() {
  log "SKIP: $*"
  exit 77
}

# Runs the given clean-up command when the test ends (in reverse order).
on_exit() { E2E_EXTRA_CLEANUP+=("$*"); }

e2e_require_tools() {
  local missing=() t
  for t in "$@"; do
    command -v "$t" >/dev/null 2>&1 || missing+=("$t")
  done
  if [ ${#missing[@]} -gt 0 ]; then
    fail "missing tools: ${missing[*]} (install them with tools/deps.sh test)"
  fi
}

e2e_init() {
  e2e_world "$1" "$3"
  e2e_copy_program "$2"
}

# e2e_world NAME ARTIFACT-ROOT : temp folder, private home, clean-up trap.
e2e_world() {
  E2E_NAME=$1
  E2E_ARTIFACTS=$2/$1
  e2e_require_tools Xvfb openbox xdotool xclip xwininfo xprop import timeout

  E2E_TMP=$(mktemp -d "${TMPDIR:-/tmp}/lullara-e2e.$1.XXXXXX")
  E2E_LOGS=$E2E_TMP/logs
  E2E_SHOTS=$E2E_TMP/screenshots
  mkdir -p "$E2E_LOGS" "$E2E_SHOTS" "$E2E_TMP/home/.config" "$E2E_TMP/run" "$E2E_TMP/out"
  chmod 700 "$E2E_TMP/run"
  trap e2e_cleanup EXIT
  trap 'exit 130' INT TERM

  export HOME=$E2E_TMP/home
  export XDG_CONFIG_HOME=$HOME/.config
  export XDG_DATA_HOME=$HOME/.local/share
  export XDG_CACHE_HOME=$HOME/.cache
  export XDG_RUNTIME_DIR=$E2E_TMP/run
  export LANG=C.UTF-8 LC_ALL=C.UTF-8
  export QT_QPA_PLATFORM=xcb
  export NO_AT_BRIDGE=1
  export DBUS_SESSION_BUS_ADDRESS=unix:path=$E2E_TMP/run/no-bus
  unset QT_SCALE_FACTOR QT_SCREEN_SCALE_FACTORS QT_AUTO_SCREEN_SCALE_FACTOR \
        QT_ENABLE_HIGHDPI_SCALING QT_FONT_DPI SESSION_MANAGER XDG_SESSION_TYPE \
        WAYLAND_DISPLAY 2>/dev/null || true
  CONF=$XDG_CONFIG_HOME/Lullara/Lullara.conf
  log "world at $E2E_TMP"
}

# e2e_copy_program BIN-DIR : a private copy of the program and its
# companions, with the test's own name files.
e2e_copy_program() {
  E2E_BIN=$(cd "$1" && pwd)
  [ -x "$E2E_BIN/lullara" ] || fail "no program at $E2E_BIN/lullara (build the target lullara first)"
  E2E_APP=$E2E_TMP/app
  mkdir -p "$E2E_APP"
  cp -a "$E2E_BIN"/. "$E2E_APP"/
  rm -f "$E2E_APP/guyname.txt" "$E2E_APP/girlname.txt"
  write_names "$E2E_APP/guyname.txt" "# boys for the end-to-end test" "${E2E_BOYS[@]}"
  write_names "$E2E_APP/girlname.txt" "# girls for the end-to-end test" "${E2E_GIRLS[@]}"
  E2E_PROGRAM=./lullara
}

# write_names FILE LINE... : one line each, ended by CR LF.
write_names() {
  local file=$1
  shift
  : >"$file"
  local l
  for l in "$@"; do printf '%s\r\n' "$l" >>"$file"; done
}

e2e_cleanup() {
  local rc=$?
  set +e
  trap - EXIT
  if [ "$rc" -ne 0 ] && [ "$rc" -ne 77 ] && [ -n "$E2E_XVFB_PID" ]; then
    shot "at-failure" >/dev/null 2>&1
    [ -n "${DISPLAY:-}" ] && xdotool search --name '.' getwindowname %@ >"$E2E_LOGS/windows-at-failure.txt" 2>&1
  fi
  local i
  for ((i = ${#E2E_EXTRA_CLEANUP[@]} - 1; i >= 0; i--)); do
    eval "${E2E_EXTRA_CLEANUP[$i]}" >/dev/null 2>&1
  done
  stop_pid "$E2E_APP_PID"
  stop_pid "$E2E_WM_PID"
  stop_pid "$E2E_XVFB_PID"
  if [ -n "$E2E_ARTIFACTS" ]; then
    rm -rf "$E2E_ARTIFACTS"
    if { [ "$rc" -ne 0 ] && [ "$rc" -ne 77 ] || [ "${E2E_KEEP_ARTIFACTS:-0}" = 1 ]; } && [ -n "$E2E_TMP" ]; then
      mkdir -p "$E2E_ARTIFACTS"
      cp -a "$E2E_LOGS" "$E2E_SHOTS" "$E2E_TMP/out" "$E2E_ARTIFACTS"/ 2>/dev/null
      [ -f "$CONF" ] && cp "$CONF" "$E2E_ARTIFACTS"/
      log "artifacts kept in $E2E_ARTIFACTS"
    fi
  fi
  [ -n "$E2E_TMP" ] && rm -rf "$E2E_TMP"
  exit "$rc"
}

# stop_pid PID : ends one process we started, politely first.
stop_pid() {
  local pid=$1 n
  [ -n "$pid" ] || return 0
  kill -0 "$pid" 2>/dev/null || return 0
  kill -TERM "$pid" 2>/dev/null
  for n in $(seq 1 30); do
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.1
  done
  kill -0 "$pid" 2>/dev/null && kill -KILL "$pid" 2>/dev/null
  wait "$pid" 2>/dev/null
  return 0
}

# Starts Xvfb on a free display (the server picks it and reports it through
# -displayfd) and openbox on it.
start_x() {
  local dfile=$E2E_TMP/display n
  : >"$dfile"
  Xvfb -displayfd 7 -nolisten tcp -screen 0 1280x1024x24 -dpi 96 -noreset \
    7>"$dfile" >"$E2E_LOGS/xvfb.log" 2>&1 &
  E2E_XVFB_PID=$!
  for n in $(seq 1 100); do
    [ -s "$dfile" ] && break
    kill -0 "$E2E_XVFB_PID" 2>/dev/null || fail "Xvfb did not start (see xvfb.log)"
    sleep 0.1
  done
  [ -s "$dfile" ] || fail "Xvfb reported no display"
  export DISPLAY=":$(tr -dc '0-9' <"$dfile")"
  log "X server on $DISPLAY"

  cat >"$E2E_TMP/openbox-rc.xml" <<'EOF'
<?xml version="1.0" encoding="UTF-8"?>
<openbox_config xmlns="http://openbox.org/3.4/rc">
  <focus><focusNew>yes</focusNew><followMouse>no</followMouse></focus>
  <placement><policy>Smart</policy></placement>
  <desktops><number>1</number></desktops>
  <keyboard>
    <keybind key="A-F4"><action name="Close"/></keybind>
  </keyboard>
</openbox_config>
EOF
  openbox --sm-disable --config-file "$E2E_TMP/openbox-rc.xml" >"$E2E_LOGS/openbox.log" 2>&1 &
  E2E_WM_PID=$!
  for n in $(seq 1 100); do
    xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && return 0
    kill -0 "$E2E_WM_PID" 2>/dev/null || fail "openbox did not start (see openbox.log)"
    sleep 0.1
  done
  fail "openbox did not take over the display"
}

# start_app [label] : starts the program: E2E_PROGRAM (the private copy
# unless a test points it elsewhere), from the folder E2E_APP.
start_app() {
  local label=${1:-app}
  E2E_APP_STATUS=""
  (cd "$E2E_APP" && exec "$E2E_PROGRAM") >>"$E2E_LOGS/$label.log" 2>&1 &
  E2E_APP_PID=$!
  log "started lullara (pid $E2E_APP_PID)"
}

# wait_window REGEX [seconds] : prints the id of the first visible window
# whose name matches REGEX. (xdotool's own --sync gives up when a window
# vanishes while it looks, as the splash does, so the search is repeated.)
wait_window() {
  local re=$1 secs=${2:-30} id end
  end=$((SECONDS + secs))
  while :; do
    id=$(timeout 10 xdotool search --onlyvisible --name "$re" 2>/dev/null | head -n 1) || true
    [ -n "$id" ] && { printf '%s\n' "$id"; return 0; }
    [ $SECONDS -lt $end ] || return 1
    sleep 0.2
  done
}

window_gone() {
  local re=$1
  ! xdotool search --onlyvisible --name "$re" >/dev/null 2>&1
}

main_window() {
  local id
  id=$(wait_window '^Lullara v2\.0$' "${1:-30}") || fail "main window \"Lullara v2.0\" did not appear"
  printf '%s\n' "$id"
}

activate() {
  [ "$(xdotool getactivewindow 2>/dev/null)" = "$1" ] && return 0
  timeout 5 xdotool windowactivate --sync "$1" >/dev/null 2>&1 ||
    timeout 3 xdotool windowfocus --sync "$1" >/dev/null 2>&1 ||
    log "could not activate window $1 ($(xdotool getwindowname "$1" 2>/dev/null))"
  sleep 0.2
}

# keys WINDOW KEY... : real key presses (XTEST) into the activated window.
keys() {
  local w=$1
  shift
  activate "$w"
  xdotool key --delay 60 "$@"
}

# type_text WINDOW TEXT
type_text() {
  activate "$1"
  xdotool type --delay 20 -- "$2"
}

# click WINDOW X Y : left click at a point of the window's client area.
click() {
  activate "$1"
  xdotool mousemove --window "$1" "$2" "$3"
  sleep 0.1
  xdotool click 1
  sleep 0.2
}

# shot LABEL : screenshot of the whole screen, kept with the artifacts.
shot() {
  E2E_STEP=$((E2E_STEP + 1))
  local f
  f=$(printf '%s/%02d-%s.png' "$E2E_SHOTS" "$E2E_STEP" "$1")
  import -window root "$f" 2>>"$E2E_LOGS/import.log" || true
  printf '%s\n' "$f"
}

# client_size WINDOW : prints "WIDTHxHEIGHT" of the window's client area.
client_size() {
  xwininfo -id "$1" | awk '/^ *Width:/ {w=$2} /^ *Height:/ {h=$2} END {print w "x" h}'
}

# clipboard FILE : the X clipboard's text, bytes unchanged.
clipboard() {
  timeout 5 xclip -o -selection clipboard >"$1" 2>/dev/null || : >"$1"
}

# copy_all WINDOW FILE : presses Alt+A (Copy All) and reads the clipboard.
copy_all() {
  keys "$1" alt+a
  sleep 0.3
  clipboard "$2"
}

# line_count FILE : number of lines ended by CR LF.
crlf_lines() {
  local n
  n=$(grep -c $'\r$' "$1" 2>/dev/null) || true
  printf '%s\n' "${n:-0}"
}

# check_crlf_text FILE N : exactly N lines, each ended by CR LF, nothing else.
check_crlf_text() {
  local f=$1 n=$2 lf cr
  lf=$(tr -cd '\n' <"$f" | wc -c)
  cr=$(tr -cd '\r' <"$f" | wc -c)
  [ "$lf" -eq "$n" ] || fail "$(basename "$f"): $lf lines, expected $n"
  [ "$cr" -eq "$n" ] || fail "$(basename "$f"): $cr carriage returns for $n lines"
  if [ "$n" -gt 0 ]; then
    [ "$(tail -c 2 "$f" | od -An -tx1 | tr -d ' \n')" = "0d0a" ] || fail "$(basename "$f") does not end with CR LF"
  fi
  [ "$(grep -c $'\r$' "$f")" -eq "$n" ] || fail "$(basename "$f"): some line does not end with CR LF"
}

# wait_rows WINDOW N SECONDS FILE : Copy All until the clipboard holds N rows.
wait_rows() {
  local w=$1 n=$2 secs=$3 f=$4 end got=0
  end=$((SECONDS + secs))
  while [ $SECONDS -lt $end ]; do
    copy_all "$w" "$f"
    got=$(crlf_lines "$f")
    [ "$got" -ge "$n" ] && break
    sleep 0.5
  done
  [ "$got" -eq "$n" ] || fail "expected $n generated rows, the clipboard holds $got"
}

# names_in FILE NAME... : every line of FILE (CR LF stripped) is one of NAMEs.
names_in() {
  local f=$1 line ok n
  shift
  while IFS= read -r line; do
    line=${line%$'\r'}
    ok=0
    for n in "$@"; do [ "$line" = "$n" ] && ok=1 && break; done
    [ "$ok" -eq 1 ] || fail "unexpected name \"$line\" (allowed: $*)"
  done <"$f"
}

# wait_exit SECONDS : waits for the program to end; its status lands in
# E2E_APP_STATUS.
wait_exit() {
  local secs=$1 end
  end=$((SECONDS + secs))
  while kill -0 "$E2E_APP_PID" 2>/dev/null; do
    [ $SECONDS -lt $end ] || fail "the program did not end within $secs s"
    sleep 0.1
  done
  E2E_APP_STATUS=0
  wait "$E2E_APP_PID" || E2E_APP_STATUS=$?
  E2E_APP_PID=""
  log "program ended with status $E2E_APP_STATUS"
}

# close_by_wm WINDOW : Alt+F4, handled by openbox, which asks the window to close.
close_by_wm() {
  keys "$1" alt+F4
  wait_exit 20
  [ "$E2E_APP_STATUS" -eq 0 ] || fail "the program ended with status $E2E_APP_STATUS after closing its window"
}

# Settings file ---------------------------------------------------------

# conf_get KEY : value of KEY in [Setting], or nothing (status 1) if absent.
conf_get() {
  [ -f "$CONF" ] || return 1
  awk -v key="$1" '
    /^\[/ { sect = $0; next }
    sect == "[Setting]" {
      i = index($0, "=")
      if (i > 0) {
        k = substr($0, 1, i - 1); v = substr($0, i + 1)
        gsub(/^[ \t]+|[ \t\r]+$/, "", k); gsub(/^[ \t]+|[ \t\r]+$/, "", v)
        if (v ~ /^".*"$/) v = substr(v, 2, length(v) - 2)
        if (k == key) { print v; found = 1; exit }
      }
    }
    END { exit(found ? 0 : 1) }' "$CONF"
}

# conf_expect KEY VALUE
conf_expect() {
  local v
  v=$(conf_get "$1") || fail "setting \"$1\" missing from $(basename "$CONF")"
  [ "$v" = "$2" ] || fail "setting \"$1\" is \"$v\", expected \"$2\""
}

conf_absent() {
  if conf_get "$1" >/dev/null; then fail "setting \"$1\" should not be stored"; fi
}

# conf_write KEY=VALUE... : writes a settings file before the program starts.
conf_write() {
  mkdir -p "$(dirname "$CONF")"
  {
    echo "[Setting]"
    local kv
    for kv in "$@"; do echo "$kv"; done
  } >"$CONF"
}

# keep FILE... : copies files into the test's output folder (kept on failure).
keep() { cp -a "$@" "$E2E_TMP/out"/ 2>/dev/null || true; }

# Main-window geometry of the letter buttons and gender choice -----------

# letter_xy INDEX : centre of the letter button (A = 0) in client coordinates.
letter_xy() {
  local i=$1 x y
  if [ "$i" -le 16 ]; then
    x=$((63 + 7 + 28 * i)); y=$((154 + 21))
  else
    x=$((63 + 7 + 28 * (i - 17))); y=$((154 + 35))
  fi
  echo "$((x + 14)) $((y + 7))"
}

GIRLS_XY="$((399 + 98 + 31)) $((9 - 1 + 10))"
BOYS_XY="$((63 + 14 + 28)) $((9 + 10))"
ALL_XY="$((63 + 455 + 14)) $((154 + 35 + 7))"

# The Save As dialog --------------------------------------------------------

# active_window_other_than ID NAME-REGEX SECONDS : waits until the active
# window is not ID and its name matches; prints its id.
active_window_other_than() {
  local not=$1 re=$2 secs=$3 end a
  end=$((SECONDS + secs))
  while [ $SECONDS -lt $end ]; do
    a=$(xdotool getactivewindow 2>/dev/null) || a=""
    if [ -n "$a" ] && [ "$a" != "$not" ] && xdotool getwindowname "$a" 2>/dev/null | grep -Eq "$re"; then
      printf '%s\n' "$a"
      return 0
    fi
    sleep 0.2
  done
  return 1
}

# save_as WINDOW KEY PATH [html|text|keep] : runs Save All (alt+s) or Save
# Selected (alt+v) through the real dialog: optionally picks the file type in
# the "Files of type" box, types the full path, confirms the create or
# overwrite question and answers No to "view the saved file?".
save_as() {
  local w=$1 key=$2 path=$3 filter=${4:-keep} d p b
  keys "$w" "$key"
  d=$(wait_window '^Save As\.\.\.$' 15) || fail "the Save As dialog did not open"
  sleep 0.3
  shot "save-dialog" >/dev/null
  # The file name box has the focus; one Tab further is the file-type box
  # (while the name is empty the Save button is disabled and skipped).
  case $filter in
    html) keys "$d" ctrl+a BackSpace Tab End alt+n ;;
    text) keys "$d" ctrl+a BackSpace Tab Home Down alt+n ;;
    keep) keys "$d" ctrl+a BackSpace ;;
  esac
  type_text "$d" "$path"
  keys "$d" Return
  # The dialog asks before creating a new file and before replacing one.
  p=$(active_window_other_than "$d" '^Save As\.\.\.$' 10) || fail "no create/replace question after the Save As dialog"
  shot "save-question" >/dev/null
  keys "$p" alt+y
  b=$(wait_window '^Lullara$' 15) || fail "no \"Lullara\" box after saving"
  shot "saved-box" >/dev/null
  keys "$b" alt+n
  local n
  for n in $(seq 1 50); do
    window_gone '^Lullara$' && window_gone '^Save As\.\.\.$' && return 0
    sleep 0.1
  done
  fail "the boxes after saving did not close"
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
