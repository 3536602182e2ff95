#!/usr/bin/env bash
# Configures and builds Lullara into build/ (program and companions in build/bin).
# Usage: tools/build.sh [program|all]
#   program  only the program lullara and its companion files (./run.sh)
#   all      everything, tests and benchmarks included, warnings as errors
#            (./test.sh; the default)
set -euo pipefail
cd "$(dirname "$0")/.."
mode=${1:-all}
case $mode in
  program) testing=OFF; werror=OFF; targets=(--target lullara) ;;
  all) testing=ON; werror=ON; targets=() ;;
  *) echo "usage: $0 [program|all]" >&2; exit 2 ;;
esac
# Configure only when build/ is new or was configured for the other mode; a
# changed CMakeLists.txt makes the build step configure again by itself.
if ! grep -qxE "BUILD_TESTING:[A-Z]+=$testing" build/CMakeCache.txt 2>/dev/null ||
   ! grep -qxE "LULLARA_WERROR:[A-Z]+=$werror" build/CMakeCache.txt 2>/dev/null; then
  cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBUILD_TESTING=$testing -DLULLARA_WERROR=$werror >/dev/null
fi
cmake --build build -j"$(nproc)" "${targets[@]}"
