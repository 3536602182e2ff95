#!/usr/bin/env bash
# Cross-builds Debian's qt6-base for 64-bit Windows (MinGW-w64) once and keeps
# the install as an archive under ~/.cache/lullara/, keyed by the source
# version and a hash of the configure options.
#
# Usage: tools/windows/build-qt.sh [PREFIX]
#   Unpacks the cached Qt into PREFIX (default: ~/.cache/lullara/qt6-mingw),
#   building and archiving it first when the cache has none.
#   Prints the prefix on its last line.
# Environment: LULLARA_CACHE (default ~/.cache/lullara), LULLARA_QT_WORK (the
#   scratch folder for source and build, default $LULLARA_CACHE/qt-work),
#   LULLARA_JOBS (default 2), LULLARA_QT_KEEP_WORK=1 (keep the build folder
#   after archiving; the fetched source is kept in any case).
set -euo pipefail

here="$(cd "$(dirname "$0")" && pwd)"
cache="${LULLARA_CACHE:-$HOME/.cache/lullara}"
work="${LULLARA_QT_WORK:-$cache/qt-work}"
jobs="${LULLARA_JOBS:-2}"
prefix="${1:-$cache/qt6-mingw}"
mkdir -p "$cache"

log() { echo "build-qt: $*" >&2; }

# The host Qt tools (moc, uic, rcc) come from Debian's qt6-base-dev, so the
# target Qt must be the very same version.
qt_version="$(dpkg-query -W -f='${source:Version}' qt6-base-dev 2>/dev/null || true)"
if [ -z "$qt_version" ]; then
  echo "build-qt: qt6-base-dev is not installed (tools/deps.sh windows)" >&2
  exit 1
fi

# Only what Lullara uses: Core, Gui, Widgets, PrintSupport, Test.
# Debian's repacked source leaves out src/3rdparty/wintab, so the tablet
# support of the Windows platform plugin is switched off with it. Direct2D
# stays on: without it Gui lacks the DirectWrite font engine that
# PrintSupport links to.
configure_opts=(
  -DQT_HOST_PATH=/usr
  -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake
  -DCMAKE_BUILD_TYPE=Release
  -DBUILD_SHARED_LIBS=ON
  -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF -DQT_BUILD_BENCHMARKS=OFF
  -DFEATURE_sql=OFF -DFEATURE_network=OFF
  -DINPUT_opengl=no -DFEATURE_opengl=OFF -DFEATURE_vulkan=OFF
  -DFEATURE_dbus=OFF -DFEATURE_concurrent=OFF -DFEATURE_xml=OFF
  -DFEATURE_zstd=OFF -DFEATURE_icu=OFF -DFEATURE_freetype=OFF
  -DFEATURE_system_zlib=OFF -DFEATURE_system_pcre2=OFF
  -DFEATURE_system_harfbuzz=OFF -DFEATURE_system_png=OFF
  -DFEATURE_system_jpeg=OFF -DFEATURE_system_doubleconversion=OFF
  -DFEATURE_pkg_config=OFF -DFEATURE_androiddeployqt=OFF
  -DFEATURE_tabletevent=OFF -DFEATURE_direct2d=ON
  -DFEATURE_testlib=ON
)
opts_hash="$( { printf '%s\n' "${configure_opts[@]}"; cat "$here/mingw-toolchain.cmake"; } |
  sha256sum | cut -c1-12)"
key="qt6-base-${qt_version//[^A-Za-z0-9.+-]/_}-mingw64-$opts_hash"
archive="$cache/$key.tar.xz"

# Unpacks the archive into $prefix and points the files that name the build's
# prefix by absolute path (qt.toolchain.cmake and the like) at the new one.
unpack() {
  if [ -f "$prefix/.lullara-qt-key" ] && [ "$(cat "$prefix/.lullara-qt-key")" = "$key" ]; then
    return 0
  fi
  log "unpacking $archive into $prefix"
  rm -rf "$prefix.tmp"
  mkdir -p "$prefix.tmp"
  tar -xJf "$archive" -C "$prefix.tmp"
  local old
  old="$(cat "$prefix.tmp/.lullara-qt-prefix")"
  local new
  new="$(cd "$prefix.tmp/.." && pwd)/$(basename "$prefix")"
  grep -rlIF -- "$old" "$prefix.tmp" | while read -r f; do
    sed -i "s|$old|$new|g" "$f"
  done
  echo "$new" > "$prefix.tmp/.lullara-qt-prefix"
  echo "$key" > "$prefix.tmp/.lullara-qt-key"
  rm -rf "$prefix"
  mv "$prefix.tmp" "$prefix"
}

if [ -f "$archive" ]; then
  unpack
  echo "$prefix"
  exit 0
fi

log "no $archive: building Qt $qt_version for Windows (about 35 minutes on 2 cores)"
start=$(date +%s)
mkdir -p "$work"
src_parent="$work/src-$qt_version"

# --- The source, through apt with a private list of deb-src entries --------
# They are derived from the machine's own apt sources (same mirrors, same
# keys), so nothing in the system's apt configuration changes.
fetch_source() {
  local aptdir="$work/apt"
  rm -rf "$aptdir"
  mkdir -p "$aptdir/lists/partial" "$aptdir/cache/archives/partial" "$aptdir/etc/sources.list.d"
  local codename
  codename="$(. /etc/os-release && echo "${VERSION_CODENAME:-}")"
  python3 - "$codename" > "$aptdir/etc/sources.list" <<'PY'
import glob, re, sys
codename = sys.argv[1]
out = []
def emit(uri, suites, comps, signed):
    for s in suites:
        if codename and not s.startswith(codename):
            continue
        opt = f" [signed-by={signed}]" if signed else ""
        out.append(f"deb-src{opt} {uri} {s} {' '.join(comps)}")
files = ["/etc/apt/sources.list"] + sorted(glob.glob("/etc/apt/sources.list.d/*.list"))
for f in files:
    try:
        lines = open(f).read().splitlines()
    except OSError:
        continue
    for line in lines:
        line = line.split("#", 1)[0].strip()
        m = re.match(r"deb(?:-src)?\s+(\[[^\]]*\]\s+)?(\S+)\s+(\S+)\s*(.*)", line)
        if not m:
            continue
        opts = m.group(1) or ""
        sm = re.search(r"signed-by=(\S+?)[\s\]]", opts + " ")
        emit(m.group(2), [m.group(3)], m.group(4).split(), sm.group(1) if sm else None)
for f in sorted(glob.glob("/etc/apt/sources.list.d/*.sources")):
    for stanza in re.split(r"\n\s*\n", open(f).read()):
        fields = {}
        for line in stanza.splitlines():
            if line.startswith("#") or ":" not in line or line[0].isspace():
                continue
            k, v = line.split(":", 1)
            fields[k.strip().lower()] = v.strip()
        if "deb" not in fields.get("types", "").split():
            continue
        if fields.get("enabled", "yes").lower() == "no":
            continue
        for uri in fields.get("uris", "").split():
            emit(uri, fields.get("suites", "").split(), fields.get("components", "").split(),
                 fields.get("signed-by"))
print("\n".join(dict.fromkeys(out)))
PY
  if ! grep -q . "$aptdir/etc/sources.list"; then
    echo "build-qt: found no apt source to derive deb-src entries from" >&2
    exit 1
  fi
  local aptopts=(-o "Dir::State::Lists=$aptdir/lists" -o "Dir::Cache=$aptdir/cache"
                 -o "Dir::Etc::SourceList=$aptdir/etc/sources.list"
                 -o "Dir::Etc::SourceParts=$aptdir/etc/sources.list.d"
                 -o "Debug::NoLocking=1" -o "APT::Sandbox::User=root")
  log "apt-get update (deb-src only, private lists)"
  apt-get "${aptopts[@]}" update -qq
  rm -rf "$src_parent.tmp"
  mkdir -p "$src_parent.tmp"
  ( cd "$src_parent.tmp" &&
    { apt-get "${aptopts[@]}" source -qq "qt6-base=$qt_version" ||
      { log "qt6-base $qt_version not in the archive, taking the newest"; apt-get "${aptopts[@]}" source -qq qt6-base; }; } )
  rm -rf "$src_parent"
  mv "$src_parent.tmp" "$src_parent"
}
if ! ls -d "$src_parent"/qt6-base-*/ >/dev/null 2>&1; then
  fetch_source
fi
srcdir="$(ls -d "$src_parent"/qt6-base-*/ | head -n1)"
srcdir="${srcdir%/}"

# --- Configure and build ---------------------------------------------------
build="$work/build-$opts_hash"
stage="$work/stage-$opts_hash/qt6-mingw"
rm -rf "$stage"
mkdir -p "$build" "$(dirname "$stage")"
mkdir -p "$stage/lib/cmake"
cp "$here/mingw-toolchain.cmake" "$stage/lib/cmake/lullara-mingw-toolchain.cmake"

log "configure ($srcdir)"
( cd -P "$build" &&
  cmake -G Ninja "$srcdir" \
    -DCMAKE_INSTALL_PREFIX="$stage" \
    -DCMAKE_TOOLCHAIN_FILE="$stage/lib/cmake/lullara-mingw-toolchain.cmake" \
    "${configure_opts[@]}" > "$build/configure.log" 2>&1 ) || {
  tail -n 40 "$build/configure.log" >&2; exit 1; }

log "build (nice -n 19 ninja -j$jobs), log in $build/build.log"
( cd -P "$build" && nice -n 19 ninja -j"$jobs" > "$build/build.log" 2>&1 ) || {
  tail -n 40 "$build/build.log" >&2; exit 1; }
( cd -P "$build" && ninja install > "$build/install.log" 2>&1 ) || {
  tail -n 40 "$build/install.log" >&2; exit 1; }

# qt.toolchain.cmake loads the MinGW toolchain file by the absolute path it
# had here: it takes the copy beside it instead, wherever the prefix goes.
cp "$here/mingw-toolchain.cmake" "$stage/lib/cmake/lullara-mingw-toolchain.cmake"
sed -i 's|^set(__qt_initially_configured_toolchain_file ".*")$|set(__qt_initially_configured_toolchain_file "${CMAKE_CURRENT_LIST_DIR}/../lullara-mingw-toolchain.cmake")|' \
  "$stage/lib/cmake/Qt6/qt.toolchain.cmake"
grep -qF 'CMAKE_CURRENT_LIST_DIR}/../lullara-mingw-toolchain.cmake' "$stage/lib/cmake/Qt6/qt.toolchain.cmake" || {
  echo "build-qt: cannot point qt.toolchain.cmake at its MinGW toolchain file" >&2; exit 1; }
echo "$stage" > "$stage/.lullara-qt-prefix"
echo "$key" > "$stage/.lullara-qt-key"

log "archiving $archive"
tar -C "$stage" -cf - . | xz -T2 -6 > "$archive.tmp"
mv "$archive.tmp" "$archive"
log "Qt built and archived in $(( $(date +%s) - start )) s: $(du -h "$archive" | cut -f1)"
# The source and the build take 1.5 GB; the archive is all that is needed.
if [ "${LULLARA_QT_KEEP_WORK:-0}" != 1 ]; then
  rm -rf "$build" "$(dirname "$stage")" "$work/apt"
fi

unpack
echo "$prefix"
