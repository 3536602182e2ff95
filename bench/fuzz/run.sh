#!/usr/bin/env bash
# Fuzzes the name-file parser with libFuzzer (clang, AddressSanitizer, UBSan),
# or, with "usnames" first, the US-names data (parse, choose, write the name
# files, read them back).
#
#   bench/fuzz/run.sh [usnames] [seconds] [extra libFuzzer options...]
#
# seconds defaults to 180; 0 runs until stopped (Ctrl-C) or until a crash.
# Builds build-fuzz/ with clang++ if needed (Debian packages: clang and
# libclang-rt-14-dev, the latter brings the libFuzzer and sanitizer runtimes).
# The seed corpus bench/fuzz/corpus (bench/fuzz/corpus-usnames) is read only;
# new inputs go to build-fuzz/corpus (build-fuzz/corpus-usnames), kept between
# runs, so a longer campaign resumes where the last one stopped; crashes go to
# build-fuzz/artifacts/. A crash input becomes a regression test when copied
# into the seed corpus (tst_namefile and tst_usnames replay every file
# there). Exit status is libFuzzer's: 0 when nothing was found.
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
repo="$(cd "$here/../.." && pwd)"
build="${LULLARA_FUZZ_BUILD_DIR:-$repo/build-fuzz}"
target=fuzz_namefile seeds=corpus dict=namefile.dict
if [ "${1:-}" = usnames ]; then
  target=fuzz_usnames seeds=corpus-usnames dict=usnames.dict
  shift
fi
seconds="${1:-180}"
shift || true

if ! command -v clang++ >/dev/null 2>&1; then
  echo "clang++ not found: apt-get install clang libclang-rt-14-dev" >&2
  exit 1
fi
if [ ! -f "$build/CMakeCache.txt" ]; then
  cmake -S "$repo" -B "$build" -DLULLARA_FUZZ=ON -DCMAKE_CXX_COMPILER=clang++ \
    -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
fi
cmake --build "$build" --target "$target" -j2 >/dev/null

mkdir -p "$build/$seeds" "$build/artifacts"
exec "$build/fuzz/$target" \
  -max_total_time="$seconds" -max_len=16384 -timeout=10 -rss_limit_mb=2048 \
  -dict="$here/$dict" -artifact_prefix="$build/artifacts/" -print_final_stats=1 \
  "$@" "$build/$seeds" "$here/$seeds"
