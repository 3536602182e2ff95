#!/usr/bin/env bash
# Lullara's Windows installer under Wine, driven as the end-to-end tests
# drive the Linux program (own Xvfb with openbox, xdotool, xclip), in a
# private Wine prefix:
#   - the installer runs silently (/S) into Program Files, with a Start-menu
#     entry and an uninstaller;
#   - the main window maps within 10 s;
#   - F6 completes a run: Copy All gives the default 5 names, all from the
#     installed boys' list, and no more come (Wine's clipboard bridge hands
#     X the text with LF line ends);
#   - Save All writes exactly the text file's bytes (CR LF), and with Yes to
#     "view the saved file?" Notepad opens it;
#   - closing stores the settings in the registry, the window's new place
#     among them; the next start puts the window there again and takes the
#     number of names from the registry (3, written there meanwhile);
#   - uninstalling silently removes the program and leaves the settings.
# Usage: tests/windows/smoke.sh INSTALLER ARTIFACT-ROOT [SCREENSHOT]
#   SCREENSHOT: where to keep a picture of the window after the run.
source "$(dirname "$0")/../e2e/lib.sh"
source "$(dirname "$0")/winelib.sh"
INSTALLER=$(readlink -f "$1")
e2e_world windows_smoke "$2"
SCREENSHOT=${3:+$(readlink -m "$3")}
[ -f "$INSTALLER" ] || fail "no installer at $1 (tools/windows/build.sh)"
start_x
t0=$SECONDS
wine_prefix
log "Wine prefix ready in $((SECONDS - t0)) s"

KEY='HKCU\Software\Lullara\Lullara\Setting'
PF=$WINEPREFIX/drive_c/Program\ Files/Lullara

# --- silent installation -----------------------------------------------
timeout 120 wine "$INSTALLER" /S >>"$OUT/install.log" 2>&1 || fail "the installer failed (see install.log)"
wait_for 60 '[ -f "$PF/lullara.exe" ] && [ -f "$PF/Uninstall.exe" ]' || fail "nothing installed in Program Files\\Lullara"
for f in guyname.txt girlname.txt guy.gif girl.gif usnames.txt qt.conf Qt6Core.dll Qt6Widgets.dll \
         platforms/qwindows.dll styles/qwindowsvistastyle.dll imageformats/qgif.dll imageformats/qico.dll \
         libstdc++-6.dll libgcc_s_seh-1.dll libwinpthread-1.dll translations/qtbase_de.qm; do
  [ -f "$PF/$f" ] || fail "the installation has no $f"
done
find "$WINEPREFIX/drive_c" -path '*Start Menu/Programs/Lullara/Lullara.lnk' | grep -q . || fail "no Start-menu entry Lullara"
log "installed in $((SECONDS - t0)) s"

# start_win [LABEL] : the installed program, started as from its shortcut.
start_win() { (cd "$PF" && exec wine "C:\\Program Files\\Lullara\\lullara.exe") >>"$OUT/${1:-app}.log" 2>&1 & E2E_APP_PID=$!; }
# copied WINDOW FILE : Copy All's text as X gets it, CRs dropped, no empty lines.
copied() { copy_all "$1" "$2.raw"; tr -d '\r' <"$2.raw" | grep -v '^$' >"$2" || :; }
# run_rows WINDOW N FILE : F6, then Copy All until it gives N rows.
run_rows() {
  local end=$((SECONDS + 30)) got
  keys "$1" F6
  until copied "$1" "$3"; got=$(wc -l <"$3"); [ "$got" -ge "$2" ] || [ $SECONDS -ge $end ]; do sleep 0.5; done
  [ "$got" -eq "$2" ] || fail "expected $2 drawn names, Copy All gives $got"
  # Still N a moment later: the run has finished, not merely reached N.
  sleep 1.5; copied "$1" "$3.again"
  cmp -s "$3" "$3.again" || fail "the list changed after $2 names: the run did not finish"
}
# window_at WINDOW : its client area's place on the screen, "X Y".
window_at() { xwininfo -id "$1" | awk '/Absolute upper-left X/ {x=$NF} /Absolute upper-left Y/ {y=$NF} END {print x, y}'; }

# --- first start, a run with the defaults ---------------------------------
t1=$SECONDS
start_win first
W=$(wait_window '^Lullara v2\.0$' 10) || fail "the main window did not map within 10 s"
log "window mapped after $((SECONDS - t1)) s"
sleep 1

run_rows "$W" 5 "$OUT/drawn.txt"
tr -d '\r' <"$PF/guyname.txt" >"$OUT/boys.txt"
names_in "$OUT/drawn.txt" $(grep -v '^#' "$OUT/boys.txt")
shot after-run
[ -z "$SCREENSHOT" ] || { mkdir -p "${SCREENSHOT%/*}"; import -window root "$SCREENSHOT"; }

# --- Save All: the exact bytes -------------------------------------------
save_as "$W" "$(wine_path "$OUT")\\names.txt"
[ -f "$OUT/names.txt" ] || fail "Save All wrote no names.txt"
{ printf ' \r\n'; sed 's/$/\r/' "$OUT/drawn.txt"; printf ' \r\n..........\r\n5 names\r\nCreated with Lullara v.2.0\r\n'; } >"$OUT/expected.txt"
size=$(stat -c %s "$OUT/expected.txt")
head -c "$size" "$OUT/names.txt" | cmp -s - "$OUT/expected.txt" ||
  fail "names.txt does not start with the expected bytes (see names.txt and expected.txt)"
tail -c +$((size + 1)) "$OUT/names.txt" | LC_ALL=C grep -qaE $'^[0-9][0-9 ./:-]+[0-9]( [AP]M)?\r$' ||
  fail "names.txt does not end with the date and time line"
[ "$(tail -c +$((size + 1)) "$OUT/names.txt" | wc -l)" -eq 1 ] || fail "names.txt has more than the date after the list"

# Saved again, with Yes to "view the saved file?": Notepad shows it.
keys "$W" alt+s
d=$(wait_window '^Save As\.\.\.$' 15) && sleep 0.3 || fail "the Save As dialog did not open again"
keys "$d" ctrl+a BackSpace
xdotool type --delay 20 -- "$(wine_path "$OUT")\\shown.txt"; keys "$d" Return
wait_for 10 'q=$(xdotool getactivewindow) && [ "$q" != "$d" ] && xdotool getwindowname "$q" | grep -q "^Save As\.\.\.$"' ||
  fail "no create question after the Save As dialog"
keys "$q" alt+y
b=$(wait_window '^Lullara$' 15) || fail "no \"Lullara\" box after saving"
keys "$b" alt+y
n=$(wait_window 'shown\.txt.*Notepad' 20) || fail "Notepad did not open shown.txt"
keys "$n" alt+F4
wait_for 10 'window_gone "Notepad"' || fail "Notepad did not close"
cmp -s "$OUT/names.txt" "$OUT/shown.txt" || [ "$(head -n -1 "$OUT/names.txt" | md5sum)" = "$(head -n -1 "$OUT/shown.txt" | md5sum)" ] ||
  fail "shown.txt differs from names.txt before the date"

# --- settings survive a restart -------------------------------------------
timeout 5 xdotool windowmove "$W" 300 200 || fail "cannot move the window"
sleep 1
where=$(window_at "$W")
close_by_wm "$W"
[ "$(wine_reg_get "$KEY" cmbNum)" = 4 ] || fail "cmbNum in the registry is \"$(wine_reg_get "$KEY" cmbNum)\", not 4"
[ "$(wine_reg_get "$KEY" optAll)" = True ] || fail "optAll is not stored in the registry"
[ "$(wine_reg_get "$KEY" SaveMethod)" = 2 ] || fail "SaveMethod is not stored in the registry"
left=$(wine_reg_get "$KEY" Left) top=$(wine_reg_get "$KEY" Top)
[[ "$left" =~ ^[0-9]+$ && "$top" =~ ^[0-9]+$ ]] || fail "the window's place is not stored: Left=$left Top=$top"

wine_reg_set "$KEY" cmbNum 2 || fail "cannot write the registry" # the third entry: 3 names
start_win second
W=$(wait_window '^Lullara v2\.0$' 10) || fail "the main window did not map within 10 s after the restart"
sleep 1
[ "$(window_at "$W")" = "$where" ] || fail "the window came back at $(window_at "$W"), not at $where"
run_rows "$W" 3 "$OUT/drawn2.txt"
names_in "$OUT/drawn2.txt" $(grep -v '^#' "$OUT/boys.txt")
close_by_wm "$W"
[ "$(wine_reg_get "$KEY" Left)/$(wine_reg_get "$KEY" Top)" = "$left/$top" ] || fail "the window's place changed over a restart"

# --- silent uninstallation --------------------------------------------------
timeout 60 wine "C:\\Program Files\\Lullara\\Uninstall.exe" /S >>"$OUT/uninstall.log" 2>&1 || fail "the uninstaller failed"
# The uninstaller runs on from a copy of itself.
wait_for 60 '[ ! -e "$PF/lullara.exe" ]' || fail "the uninstaller left lullara.exe"
wait_for 30 '[ ! -e "$PF" ]' || fail "the uninstaller left $(cd "$PF" && find . | head -n 5 | tr '\n' ' ')"
! find "$WINEPREFIX/drive_c" -path '*Start Menu/Programs/Lullara*' | grep -q . || fail "the Start-menu entry is still there"
[ "$(wine_reg_get "$KEY" cmbNum)" = 2 ] || fail "uninstalling removed the user's settings"
log "passed in $((SECONDS - t0)) s"
