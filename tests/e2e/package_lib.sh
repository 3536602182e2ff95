# Checks shared by the package tests: the files that come with an installed
# Lullara besides the program (licences, changes, manual page) and the
# program's own command-line answers. Sourced after lib.sh.

# program_version PROGRAM : the version the program reports, from the first
# line of --version ("Lullara 2.0" gives 2.0), asked without any display.
program_version() {
  local out
  out=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$1" --version) ||
    fail "$1 --version failed without a display"
  out=$(head -n 1 <<<"$out")
  [[ "$out" =~ ^Lullara\ ([0-9]+\.[0-9]+)$ ]] || fail "first line of --version is \"$out\""
  printf '%s\n' "${BASH_REMATCH[1]}"
}

# gzip_untimed FILE : a valid gzip file whose header carries no time stamp
# (so that the same source gives the same package).
gzip_untimed() {
  gzip -t "$1" 2>/dev/null || fail "$1 is not a valid gzip file"
  [ "$(od -An -tx1 -j4 -N4 "$1" | tr -d ' \n')" = 00000000 ] || fail "$1 carries a time stamp"
}

# check_man PAGE PROGRAM : man -l renders the page without a warning, with
# its sections, and documents every option that PROGRAM --help lists.
check_man() {
  local page=$1 program=$2 text opt section
  gzip_untimed "$page"
  text=$(MANWIDTH=80 LC_ALL=C.UTF-8 MAN_DISABLE_SECCOMP=1 man --warnings -E UTF-8 -l "$page" 2>"$E2E_LOGS/man-warnings.txt") ||
    fail "man -l $page failed (see man-warnings.txt)"
  printf '%s\n' "$text" >"$E2E_LOGS/man.txt"
  [ ! -s "$E2E_LOGS/man-warnings.txt" ] || fail "man -l warns: $(head -n 3 "$E2E_LOGS/man-warnings.txt")"
  for section in NAME SYNOPSIS DESCRIPTION OPTIONS FILES ENVIRONMENT BUGS; do
    grep -qx "$section" <<<"$text" || fail "the manual page has no section $section"
  done
  grep -A1 -x NAME <<<"$text" | grep -Eq '^ +lullara - ' || fail "the manual page's NAME line is not \"lullara - ...\""
  local options
  options=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$program" --help | grep -Eo '^ +--[a-z-]+' | tr -d ' ')
  [ -n "$options" ] || fail "$program --help lists no option"
  for opt in $options; do
    sed -n '/^OPTIONS$/,/^[A-Z]/p' <<<"$text" | grep -Eq "^ +$opt\b" ||
      fail "option $opt of --help is not in the manual page's OPTIONS"
  done
  log "man -l renders $(basename "$page"): $(wc -l <<<"$text") lines, options: $(echo $options)"
}

# check_docs PREFIX : copyright, changelog.gz and the manual page of the
# Lullara installed under PREFIX (e.g. <root>/usr).
check_docs() {
  local p=$1 doc=$1/share/doc/lullara version lic
  version=$(program_version "$p/bin/lullara")

  [ -f "$doc/copyright" ] || fail "no $doc/copyright"
  head -n 1 "$doc/copyright" | grep -qx 'Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/' ||
    fail "the copyright file is not in Debian's machine-readable format"
  # The licence of the program, and of each bundled name list as the list's
  # own header states it.
  [ "$(copyright_license "$doc/copyright" '*')" = "GPL-3+" ] || fail "the copyright file does not give the program GPL-3+"
  local f
  for f in guyname.txt girlname.txt; do
    lic=$(copyright_license "$doc/copyright" "resources/$f")
    [ -n "$lic" ] || fail "the copyright file does not cover $f"
    grep -q "^# Licence: database PDDL-1.0, contents CC0-1.0" "$p/lib/lullara/$f" ||
      fail "installed $f does not state its licence"
    [[ "$lic" == *PDDL-1.0* && "$lic" == *CC0-1.0* ]] || fail "the copyright file gives $f \"$lic\", not PDDL-1.0 and CC0-1.0"
  done
  # Every licence named has its own stand-alone paragraph.
  for lic in $(sed -n 's/^License: //p' "$doc/copyright" | tr -s ' ' '\n' | grep -vx and | sort -u); do
    awk -v l="$lic" 'BEGIN { RS = "" } { split($0, a, "\n"); if (a[1] == "License: " l) found = 1 } END { exit !found }' "$doc/copyright" ||
      fail "the copyright file has no paragraph for the licence $lic"
  done

  [ -f "$doc/changelog.gz" ] || fail "no $doc/changelog.gz"
  gzip_untimed "$doc/changelog.gz"
  local changed
  changed=$(zcat "$doc/changelog.gz" | dpkg-parsechangelog -l- -SVersion 2>/dev/null) ||
    fail "changelog.gz is not a readable changelog"
  [ "$changed" = "$version" ] || fail "the newest changelog entry is $changed, the program says $version"

  local meta
  meta=$(ls "$p"/share/metainfo/*.metainfo.xml | head -n 1)
  grep -q "<release version=\"$version\"" "$meta" || fail "the metainfo has no release $version"

  check_man "$p/share/man/man1/lullara.1.gz" "$p/bin/lullara"
  log "documents of $version: copyright, changelog.gz, lullara.1.gz"
}

# copyright_license FILE PATTERN : the License field of the Files paragraph
# that lists PATTERN.
copyright_license() {
  awk -v want="$2" '
    BEGIN { RS = "" }
    /^Files:/ {
      files = ""; lic = ""
      n = split($0, lines, "\n")
      infiles = 0
      for (i = 1; i <= n; i++) {
        if (lines[i] ~ /^Files:/) { files = substr(lines[i], 7); infiles = 1; continue }
        if (infiles && lines[i] ~ /^[ \t]/) { files = files " " lines[i]; continue }
        infiles = 0
        if (lines[i] ~ /^License:/) lic = substr(lines[i], 10)
      }
      m = split(files, list, /[ \t]+/)
      for (j = 1; j <= m; j++) if (list[j] == want) { print lic; exit }
    }' "$1"
}
