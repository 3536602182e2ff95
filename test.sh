#!/usr/bin/env bash
# Installs what is missing, builds, and runs the whole test suite through CTest.
set -euo pipefail
cd "$(dirname "$0")"
tools/deps.sh test
tools/build.sh all
cd build
ctest --output-on-failure --timeout 900 "$@"
