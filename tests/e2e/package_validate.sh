#!/usr/bin/env bash
# Validates the desktop entry or the AppStream metainfo as shipped.
# Usage: package_validate.sh desktop|metainfo FILE
source "$(dirname "$0")/lib.sh"
case $1 in
  desktop)
    need desktop-file-validate
    out=$(desktop-file-validate "$2" 2>&1) || fail "$out"
    # Hints are advice; errors and warnings fail the test.
    ! grep -Eq '(error|warning):' <<<"$out" || fail "$out" ;;
  metainfo) need appstreamcli; appstreamcli validate --no-net --pedantic "$2" ;;
  *) fail "usage: $0 desktop|metainfo FILE" ;;
esac
