#!/usr/bin/env bash
# Installs what is missing, builds the program (not the tests), and starts
# Lullara with its bundled name lists. Arguments go to the program.
set -euo pipefail
cd "$(dirname "$0")"
tools/deps.sh run
tools/build.sh program
exec build/bin/lullara "$@"
