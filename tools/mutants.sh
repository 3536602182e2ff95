#!/usr/bin/env bash
# Mutation trial: plants realistic faults in src/ one at a time (listed in
# tools/mutants.txt), rebuilds the fast tests, runs them (CTest label "unit")
# and prints which test programs caught each fault.
#
#   tools/mutants.sh                 every mutant
#   tools/mutants.sh --only ID,ID    only these
#   tools/mutants.sh --list          list the mutants and exit
#   tools/mutants.sh -j N            build and test with N jobs (default 2)
#
# Environment: MUTANTS_BUILD_DIR (default build-mutants), MUTANTS_BUILD_TYPE
# (default Release), MUTANTS_FUNCTION_TIMEOUT (ms a test function may take
# before QtTest ends it, default 60000), MUTANTS_FILE (the mutant table).
#
# The sources are always put back, also on Ctrl+C; a run that was killed
# outright is put right by the next one. Logs of every mutant go to
# <build dir>/mutants/<id>.*.
set -euo pipefail

cd "$(dirname "$0")/.."
ROOT=$(pwd)
HELPER="python3 $ROOT/tools/mutants.py"

JOBS=2
ONLY=""
LIST=0
usage() { sed -n '2,17p' "$0" | sed 's/^# \{0,1\}//'; }
while [ $# -gt 0 ]; do
    case "$1" in
    --list) LIST=1 ;;
    --only) ONLY="${2:?--only needs a list of ids}"; shift ;;
    --only=*) ONLY="${1#--only=}" ;;
    -j) JOBS="${2:?-j needs a number}"; shift ;;
    -j*) JOBS="${1#-j}" ;;
    -h|--help) usage; exit 0 ;;
    *) echo "mutants.sh: unknown option $1" >&2; usage >&2; exit 2 ;;
    esac
    shift
done

if [ "$LIST" = 1 ]; then
    $HELPER list
    exit 0
fi
IDS=$($HELPER ids "$ONLY")

BUILD=${MUTANTS_BUILD_DIR:-build-mutants}
BUILD_TYPE=${MUTANTS_BUILD_TYPE:-Release}
export QTEST_FUNCTION_TIMEOUT=${MUTANTS_FUNCTION_TIMEOUT:-60000}
mkdir -p "$BUILD/mutants"
[ -f "$BUILD/.gitignore" ] || echo '*' >"$BUILD/.gitignore"
LOGS=$(cd "$BUILD/mutants" && pwd)
BACKUP=$(cd "$BUILD" && pwd)/mutants-backup

restore() { $HELPER restore "$BACKUP"; }
# A run killed outright may have left a mutant behind.
if [ -f "$BACKUP/MANIFEST" ]; then
    echo "mutants.sh: putting back the sources a killed run left mutated:" >&2
    cat "$BACKUP/MANIFEST" >&2
    restore
fi
trap 'restore' EXIT
trap 'exit 130' INT
trap 'exit 143' TERM HUP

log() { printf '%s\n' "$*" >&2; }
elapsed() { local s=$(( $(date +%s) - $1 )); printf '%dm%02ds' $((s / 60)) $((s % 60)); }
START=$(date +%s)

# ---------------------------------------------------------------- configure
configure=(-S . -B "$BUILD" -DCMAKE_BUILD_TYPE="$BUILD_TYPE" -DBUILD_TESTING=ON)
if [ ! -f "$BUILD/CMakeCache.txt" ] && command -v ninja >/dev/null; then
    configure+=(-G Ninja)
fi
if command -v ccache >/dev/null; then
    configure+=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
fi
log "== configuring $BUILD ($BUILD_TYPE)"
cmake "${configure[@]}" >"$LOGS/configure.log" 2>&1 || { cat "$LOGS/configure.log" >&2; exit 1; }

# Each mutant rebuilds only the programs of the fast tests.
build() { cmake --build "$BUILD" -j "$JOBS" --target "${TARGETS[@]}" >"$1" 2>&1; }
# Prints the failing tests as "test<TAB>functions".
run_tests() {
    rm -f "$1.xml"
    ctest --test-dir "$BUILD" -L unit -j "$JOBS" --no-tests=error \
        --output-junit "$1.xml" >"$1.log" 2>&1 || true
    [ -f "$1.xml" ] || { echo "mutants.sh: ctest wrote no report, see $1.log" >&2; return 1; }
    $HELPER failed "$1.xml"
}
short() { sed 's/^[^.]*\.//'; }   # "generator.tst_ticks" -> "tst_ticks"

# ---------------------------------------------------------------- baseline
# The whole project once: CTest names a test's program only once it exists.
log "== building the unmutated sources"
t=$(date +%s)
cmake --build "$BUILD" -j "$JOBS" >"$LOGS/baseline.build.log" 2>&1 ||
    { tail -40 "$LOGS/baseline.build.log" >&2; echo "mutants.sh: the unmutated sources do not build" >&2; exit 1; }
ctest --test-dir "$BUILD" -L unit --show-only=json-v1 >"$LOGS/tests.json"
mapfile -t TARGETS < <($HELPER targets "$LOGS/tests.json")
if [ "${#TARGETS[@]}" -eq 0 ]; then
    echo "mutants.sh: no tests with the label \"unit\" in $BUILD" >&2
    exit 1
fi
log "   built in $(elapsed "$t"); running the ${#TARGETS[@]} unit test programs"
t=$(date +%s)
BASELINE_FAILED=$(run_tests "$LOGS/baseline" | cut -f1)
log "   ran in $(elapsed "$t")"
# Every QtTest function of the fast tests, as "program<TAB>function".
: >"$LOGS/all-functions.txt"
while read -r program; do
    QT_QPA_PLATFORM=offscreen "$program" -functions 2>/dev/null | sed -n 's/()$//p' |
        sed "s|^|$(basename "$program")\t|" >>"$LOGS/all-functions.txt" || true
done < <($HELPER programs "$LOGS/tests.json")
if [ -n "$BASELINE_FAILED" ]; then
    log "mutants.sh: these tests fail without any mutant and are not counted as catching:"
    log "$BASELINE_FAILED"
fi

# ---------------------------------------------------------------- mutants
declare -a ROWS=()
CAUGHT=0
TOTAL=0
NA=0
BROKEN=0
TESTS_CATCHING=""
SOLE_CATCHERS=""
: >"$LOGS/functions.txt"
for id in $IDS; do
    t=$(date +%s)
    desc=$($HELPER describe "$id")
    set +e
    file=$($HELPER apply "$id" "$BACKUP")
    rc=$?
    set -e
    if [ "$rc" -eq 3 ]; then
        ROWS+=("$id"$'\t'"n/a"$'\t'"$desc")
        NA=$((NA + 1))
        log "-- $id: n/a (no candidate matches the code)"
        continue
    elif [ "$rc" -ne 0 ]; then
        exit 1
    fi
    log "-- $id ($file)"
    if ! build "$LOGS/$id.build.log"; then
        restore
        ROWS+=("$id"$'\t'"BUILD FAILED"$'\t'"$desc")
        BROKEN=$((BROKEN + 1))
        log "   does not build, see $LOGS/$id.build.log ($(elapsed "$t"))"
        continue
    fi
    failed=$(run_tests "$LOGS/$id") || { restore; exit 1; }
    restore
    catchers=""
    while IFS=$'\t' read -r test functions; do
        [ -n "$test" ] || continue
        if grep -qxF "$test" <<<"$BASELINE_FAILED"; then continue; fi
        catchers+="${catchers:+ }$(short <<<"$test")"
        printf '%s\t%s\t%s\n' "$id" "$(short <<<"$test")" "$functions" >>"$LOGS/functions.txt"
    done <<<"$failed"
    TOTAL=$((TOTAL + 1))
    if [ -n "$catchers" ]; then
        CAUGHT=$((CAUGHT + 1))
        TESTS_CATCHING+=" $catchers"
        [[ "$catchers" == *" "* ]] || SOLE_CATCHERS+=" $catchers"
    else
        catchers="MISSED"
    fi
    ROWS+=("$id"$'\t'"$catchers"$'\t'"$desc")
    log "   $catchers ($(elapsed "$t"))"
done

# ---------------------------------------------------------------- the table
{
    echo "| mutant | planted fault | caught by (failing test programs) |"
    echo "|---|---|---|"
    for row in "${ROWS[@]}"; do
        IFS=$'\t' read -r id catchers desc <<<"$row"
        [ "$catchers" = MISSED ] && catchers="**MISSED**"
        printf '| %s | %s | %s |\n' "$id" "$desc" "$catchers"
    done
    echo
    echo "caught $CAUGHT of $TOTAL"
    extra=""
    [ "$NA" -gt 0 ] && extra+="$NA n/a (snippet not found)"
    [ "$BROKEN" -gt 0 ] && extra+="${extra:+; }$BROKEN did not build"
    [ -n "$extra" ] && echo "not counted: $extra"
    if [ -n "$TESTS_CATCHING" ]; then
        echo
        echo "catches per test program (and how many of them it caught alone):"
        tr ' ' '\n' <<<"$TESTS_CATCHING" | sed '/^$/d' | sort | uniq -c | sort -k1,1nr -k2 |
            while read -r n test; do
                alone=$(tr ' ' '\n' <<<"$SOLE_CATCHERS" | grep -cxF -- "$test" || true)
                printf '  %3d  %-24s %s\n' "$n" "$test" "$([ "$alone" -gt 0 ] && echo "($alone alone)")" | sed 's/ *$//'
            done
        never=""
        for target in "${TARGETS[@]}"; do
            grep -qw -- "$target" <<<"$TESTS_CATCHING" || never+=" $target"
        done
        [ -n "$never" ] && echo "  caught none:$never"
        echo
        printf 'test functions that caught at least one fault: %d of %d\n' \
            "$(awk -F'\t' '{ n = split($3, f, ","); for (i = 1; i <= n; i++) if (f[i] !~ /^\(/) print $2 "::" f[i] }' "$LOGS/functions.txt" | sort -u | wc -l)" \
            "$(wc -l <"$LOGS/all-functions.txt")"
    fi
    echo
    echo "failing test functions per mutant: $BUILD/mutants/functions.txt"
} | tee "$LOGS/table.txt"
log "mutation trial took $(elapsed "$START")"
