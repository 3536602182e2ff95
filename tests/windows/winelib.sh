# Wine on top of the end-to-end helpers (tests/e2e/lib.sh):
#   source tests/e2e/lib.sh; source tests/windows/winelib.sh
#   e2e_world NAME ARTIFACT-ROOT; start_x; wine_prefix
# gives a private 64-bit Wine prefix in the test's temporary folder, with
# Wine's own add-on installers off and the Windows fonts the program asks
# for replaced by the Liberation and DejaVu faces (a real Windows has them).
# Its wineserver ends with the test.

# wine_prefix : creates WINEPREFIX (about 7 s).
wine_prefix() {
  need wine wineserver
  # Wine hands the environment on: the Windows Qt takes its own platform.
  unset QT_QPA_PLATFORM
  export WINEPREFIX=$E2E_TMP/wine WINEARCH=win64 WINEDEBUG=${WINEDEBUG:--all} \
    WINEDLLOVERRIDES="mscoree,mshtml,winemenubuilder.exe=d"
  on_exit "WINEPREFIX='$WINEPREFIX' wineserver -k"
  timeout 180 wine wineboot -i >>"$OUT/wineboot.log" 2>&1 || fail "wineboot failed (see wineboot.log)"
  cat >"$E2E_TMP/fonts.reg" <<'REG'
REGEDIT4

[HKEY_CURRENT_USER\Software\Wine\Fonts\Replacements]
"Arial"="Liberation Sans"
"MS Sans Serif"="Liberation Sans"
"MS Shell Dlg"="Liberation Sans"
"MS Shell Dlg 2"="Liberation Sans"
"Times New Roman"="Liberation Serif"
"Courier New"="Liberation Mono"
"Verdana"="DejaVu Sans"
"Terminal"="DejaVu Sans Mono"
REG
  timeout 60 wine regedit /S "$(wine_path "$E2E_TMP/fonts.reg")" >>"$OUT/wineboot.log" 2>&1 ||
    fail "the font replacements could not be imported"
  timeout 60 wineserver -w
}

# wine_path UNIX-PATH : the same file as Windows sees it (Z:\...).
wine_path() { printf 'Z:%s' "$(readlink -f "$1" | tr / '\\')"; }

# wine_reg_get KEY VALUE : a REG_SZ value of the registry, empty if none.
wine_reg_get() {
  timeout 30 wine reg query "$1" /v "$2" 2>/dev/null | tr -d '\r' |
    awk -v v="$2" '$1 == v && $2 ~ /^REG_/ { $1 = ""; $2 = ""; sub(/^  /, ""); print; f = 1 } END { exit !f }'
}
# wine_reg_set KEY VALUE DATA : a REG_SZ value.
wine_reg_set() { timeout 30 wine reg add "$1" /v "$2" /t REG_SZ /d "$3" /f >/dev/null 2>&1; }
