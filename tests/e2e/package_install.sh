#!/usr/bin/env bash
# cmake --install lays Lullara out as a desktop program with its licences,
# changes and manual page. (package_userlists.sh starts the installed
# program.)
# Usage: package_install.sh BUILD-DIR ARTIFACT-ROOT
source "$(dirname "$0")/lib.sh"
e2e_install package_install "$1" "$2"
need man gzip dpkg-parsechangelog
check_installed "$ROOT/usr"
log passed
