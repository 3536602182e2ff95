#!/usr/bin/env bash
# Validates the desktop entry or the AppStream metainfo as shipped.
# Usage: package_validate.sh desktop|metainfo FILE
set -euo pipefail
kind=$1
file=$2
case $kind in
  desktop)
    command -v desktop-file-validate >/dev/null || { echo "desktop-file-validate missing (package desktop-file-utils)"; exit 1; }
    out=$(desktop-file-validate "$file" 2>&1) || { echo "$out"; exit 1; }
    # Hints are advice; errors and warnings fail the test.
    if grep -Eq '(error|warning):' <<<"$out"; then echo "$out"; exit 1; fi
    echo "$file: valid desktop entry"
    ;;
  metainfo)
    command -v appstreamcli >/dev/null || { echo "appstreamcli missing (package appstream)"; exit 1; }
    appstreamcli validate --no-net --pedantic "$file"
    ;;
  *)
    echo "usage: $0 desktop|metainfo FILE" >&2
    exit 2
    ;;
esac
