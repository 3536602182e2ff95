#!/usr/bin/env bash
# Installs what is missing, builds the program (not the tests), and starts
# Lullara with its bundled name lists. Arguments go to the program.
# What the installation and the build report goes to standard error, so that
# standard output is the program's alone (./run.sh --version | head -1).
set -euo pipefail
cd "$(dirname "$0")"
{
  tools/deps.sh run
  tools/build.sh program
} >&2
exec build/bin/lullara "$@"
