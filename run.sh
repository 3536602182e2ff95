#!/usr/bin/env bash
# Installs what is missing, builds, and starts Lullara with its bundled name lists.
set -euo pipefail
cd "$(dirname "$0")"
tools/deps.sh run
tools/build.sh
exec build/bin/lullara "$@"
