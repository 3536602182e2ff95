#!/usr/bin/env bash
# Lullara's benchmarks: builds what is missing, then measures every figure
# against an anchor measured in the same run, and prints the ratios, the
# targets and whether they are met. Linux with Xvfb and xdotool.
#
#   bench/run.sh                  all figures (about 6 minutes on 2 cores)
#   bench/run.sh --quick          fewer runs, for a smoke test (about 2 minutes)
#   bench/run.sh --only startup,lottery
#                                 only these parts: startup (start-up and
#                                 peak memory), lottery, load, export, scaling,
#                                 namelists
#
# Environment:
#   BENCH_BUILD_DIR  build folder (default: build, as tools/build.sh makes it)
#   BENCH_RUNS       runs per figure, medians taken (default 9; --quick 3)
#
# The anchor is the comparable window (bench/comparable_window.cpp): the main
# window's size and about 60 stock Qt widgets of the main window's kinds,
# filled from the same name files, doing what Lullara does on screen. The
# empty window (bench/anchor_window.cpp) is measured beside it for reference.
# CPU time (user + system, all threads of the program) is the headline: it
# hardly depends on what else the machine is doing; wall time stands beside.
#
# Nothing outside a temporary folder is touched: the programs run with their
# own HOME (so their settings go there) on their own Xvfb display.
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
repo="$(cd "$here/.." && pwd)"
build="${BENCH_BUILD_DIR:-$repo/build}"
runs="${BENCH_RUNS:-9}"
cpu_runs=3
cpu_seconds=8
scale_runs=3
big_runs=3
only="startup,lottery,load,export,scaling,namelists"
while [ $# -gt 0 ]; do
  case "$1" in
    --quick) runs="${BENCH_RUNS:-3}"; cpu_runs=1; cpu_seconds=4; scale_runs=1; big_runs=1 ;;
    --only) only="$2"; shift ;;
    *) echo "usage: bench/run.sh [--quick] [--only startup,lottery,load,export,scaling,namelists]" >&2; exit 2 ;;
  esac
  shift
done
part() { [[ ",$only," == *",$1,"* ]]; }

for tool in cmake Xvfb xdotool sort cp awk; do
  if ! command -v "$tool" >/dev/null 2>&1; then
    echo "bench: $tool is missing (tools/deps.sh test installs everything)" >&2
    exit 1
  fi
done

# ---- Build -----------------------------------------------------------------
build_log=$(mktemp "${TMPDIR:-/tmp}/lullara-bench-build.XXXXXX")
if ! { [ -f "$build/CMakeCache.txt" ] || cmake -S "$repo" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo; } >"$build_log" 2>&1 \
   || ! cmake --build "$build" --target lullara_bench -j"$(nproc)" >>"$build_log" 2>&1; then
  cat "$build_log" >&2
  rm -f "$build_log"
  echo "bench: the build failed" >&2
  exit 1
fi
rm -f "$build_log"
build_type=$(sed -n 's/^CMAKE_BUILD_TYPE:[A-Z]*=//p' "$build/CMakeCache.txt")
bin="$build/bin"
benchbin="$build/bench"
for f in "$bin/lullara" "$benchbin/lullara_bench_comparable" "$benchbin/lullara_bench_anchor" \
         "$benchbin/lullara_bench_load" "$benchbin/lullara_bench_export" "$benchbin/lullara_bench_xwatch"; do
  [ -x "$f" ] || { echo "bench: $f was not built (the X watcher needs libxdamage-dev: tools/deps.sh test)" >&2; exit 1; }
done

# ---- A private display and home ---------------------------------------------
work=$(mktemp -d "${TMPDIR:-/tmp}/lullara-bench.XXXXXX")
xvfb_pid=""
cleanup() {
  if [ -n "$xvfb_pid" ]; then kill "$xvfb_pid" 2>/dev/null || true; wait "$xvfb_pid" 2>/dev/null || true; fi
  rm -rf "$work"
}
trap cleanup EXIT
trap 'exit 130' INT TERM

Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
xvfb_pid=$!
for _ in $(seq 1 100); do [ -s "$work/display" ] && break; sleep 0.05; done
[ -s "$work/display" ] || { echo "bench: Xvfb did not start" >&2; cat "$work/xvfb.log" >&2; exit 1; }
export DISPLAY=":$(head -n1 "$work/display")"
export HOME="$work/home" XDG_CONFIG_HOME="$work/home/.config" XDG_RUNTIME_DIR="$work/runtime"
mkdir -p "$XDG_CONFIG_HOME/Lullara" "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"
export QT_QPA_PLATFORM=xcb LC_ALL=C.UTF-8
unset SESSION_MANAGER

# ---- Helpers ----------------------------------------------------------------
median() { sort -g | awk '{a[NR]=$1} END {if (NR==0) print 0; else if (NR%2) print a[(NR+1)/2]; else print (a[NR/2]+a[NR/2+1])/2}'; }
# field KEY FILE: the median of KEY=value over the lines of FILE
field() { sed -n "s/\(^\|.* \)$1=\([^ ]*\).*/\2/p" "$2" | median; }
# least KEY FILE: the smallest value (the run least disturbed by other work)
least() { sed -n "s/\(^\|.* \)$1=\([^ ]*\).*/\2/p" "$2" | sort -g | head -n1; }
kv() { tr ' ' '\n' <<<"$1" | sed -n "s/^$2=//p"; }
calc() { awk "BEGIN {printf \"%.${2:-2}f\", $1}"; }
verdict() { if awk "BEGIN {exit !($1)}"; then echo "met"; else echo "MISSED"; fi; }
watch() { "$benchbin/lullara_bench_xwatch" "$@"; }
row() { printf '%-50s %14s %14s %10s  %-10s %s\n' "$@"; }

main_title="Lullara v2.0"
cmp_title="Lullara bench comparable"
empty_title="Lullara bench anchor"
comparable=("$benchbin/lullara_bench_comparable" --dir "$bin")

echo "Lullara benchmarks: $(date -u '+%Y-%m-%d %H:%M UTC'), $(nproc) cores, $(awk -F': ' '/model name/ {print $2; exit}' /proc/cpuinfo)"
echo "build: $build ($build_type); medians of $runs runs unless said otherwise; load average $(cut -d' ' -f1-3 /proc/loadavg)"
echo
row "figure" "Lullara" "anchor" "ratio" "target" "verdict"
row "--------------------------------------------------" "--------------" "--------------" "----------" "----------" "-------"
notes=()

# ---- 1. Start-up and peak memory ---------------------------------------------
if part startup; then
  echo "start-up: $runs runs of each program, interleaved, after one warm-up run each ..." >&2
  for p in main cmp empty; do : >"$work/start-$p"; done
  start_main() { watch start --title "$main_title" -- "$bin/lullara"; }
  start_cmp() { watch start --title "$cmp_title" -- "${comparable[@]}"; }
  start_empty() { watch start --title "$empty_title" -- "$benchbin/lullara_bench_anchor"; }
  start_main >/dev/null; start_cmp >/dev/null; start_empty >/dev/null
  for _ in $(seq 1 "$runs"); do
    start_main >>"$work/start-main"
    start_cmp >>"$work/start-cmp"
    start_empty >>"$work/start-empty"
  done
  for p in main cmp empty; do
    for k in startup_ms startup_cpu_ms picture_ms picture_cpu_ms hwm_kb; do
      declare "${p}_${k}=$(field "$k" "$work/start-$p")"
    done
  done
  pic_ratio=$(calc "$main_picture_cpu_ms / $cmp_picture_cpu_ms")
  mem_diff=$(calc "($main_hwm_kb - $cmp_hwm_kb) / 1024" 1)
  row "start-up CPU to the first complete picture" "$(calc "$main_picture_cpu_ms" 1) ms" \
      "$(calc "$cmp_picture_cpu_ms" 1) ms" "$pic_ratio x" "<= 1.10 x" "$(verdict "$pic_ratio <= 1.10")"
  min_main=$(least picture_cpu_ms "$work/start-main"); min_cmp=$(least picture_cpu_ms "$work/start-cmp")
  row "  the same, fastest run of each" "$(calc "$min_main" 1) ms" "$(calc "$min_cmp" 1) ms" \
      "$(calc "$min_main / $min_cmp") x" "-" ""
  row "  wall time to the first complete picture" "$(calc "$main_picture_ms" 1) ms" "$(calc "$cmp_picture_ms" 1) ms" \
      "$(calc "$main_picture_ms / $cmp_picture_ms") x" "-" ""
  row "  CPU until the window is mapped" "$(calc "$main_startup_cpu_ms" 1) ms" "$(calc "$cmp_startup_cpu_ms" 1) ms" \
      "$(calc "$main_startup_cpu_ms / $cmp_startup_cpu_ms") x" "-" ""
  row "peak memory (VmHWM 1 s after the map)" "$(calc "$main_hwm_kb / 1024" 1) MiB" "$(calc "$cmp_hwm_kb / 1024" 1) MiB" \
      "+$mem_diff MiB" "<= +3 MiB" "$(verdict "$mem_diff <= 3")"
  notes+=("reference, the empty window (bench/anchor_window.cpp): CPU to the first complete picture\
 $(calc "$empty_picture_cpu_ms" 1) ms (Lullara $(calc "$main_picture_cpu_ms / $empty_picture_cpu_ms") x), wall\
 $(calc "$empty_picture_ms" 1) ms, peak memory $(calc "$empty_hwm_kb / 1024" 1) MiB (Lullara\
 +$(calc "($main_hwm_kb - $empty_hwm_kb) / 1024" 1) MiB)")
fi

# ---- 2. A running lottery at 0.25 s, appends included ----------------------------
if part lottery; then
  echo "lottery: $cpu_runs runs of each program, ${cpu_seconds} s idle + ${cpu_seconds} s running ..." >&2
  # 100 names at 0.25 s: the run lasts 25 s, longer than the sample.
  printf '[Setting]\ncmbNum=27\ncmbInterval=0\noptAll=True\n' >"$XDG_CONFIG_HOME/Lullara/Lullara.conf"
  : >"$work/cpu-main"; : >"$work/cpu-cmp"
  for _ in $(seq 1 "$cpu_runs"); do
    watch cpu --title "$main_title" --seconds "$cpu_seconds" --key F6 -- "$bin/lullara" >>"$work/cpu-main"
    watch cpu --title "$cmp_title" --seconds "$cpu_seconds" --key F6 -- "${comparable[@]}" --tick >>"$work/cpu-cmp"
  done
  rm -f "$XDG_CONFIG_HOME/Lullara/Lullara.conf"
  run_main=$(field run_pct "$work/cpu-main"); run_cmp=$(field run_pct "$work/cpu-cmp")
  idle_main=$(field idle_pct "$work/cpu-main"); idle_cmp=$(field idle_pct "$work/cpu-cmp")
  lot_ratio=$(calc "$run_main / $run_cmp")
  row "lottery at 0.25 s, CPU of one core" "$(calc "$run_main" 2) %" "$(calc "$run_cmp" 2) %" "$lot_ratio x" \
      "<= 1.0 x" "$(verdict "$lot_ratio <= 1.0")"
  row "  idle, CPU of one core" "$(calc "$idle_main" 2) %" "$(calc "$idle_cmp" 2) %" "-" "-" ""
  run_frames=$(field run_frames "$work/cpu-main")
  if awk "BEGIN {exit !($run_frames < 3)}"; then
    echo "WARNING: Lullara's window hardly changed after F6 ($run_frames distinct pictures): the lottery may not have run." >&2
  fi
  notes+=("lottery check: distinct window pictures while running (grabbed every 0.5 s): Lullara $run_frames,\
 comparable $(field run_frames "$work/cpu-cmp")")
fi

# ---- 3. Name loading (and its scaling) -----------------------------------------
declare -A load
if part load || part scaling; then
  for n in 1000 10000 100000 1000000; do
    r=$runs; [ "$n" = 1000000 ] && r=$big_runs
    echo "loading: 2 x $n names, $r runs ..." >&2
    load[$n]=$(QT_QPA_PLATFORM=offscreen "$benchbin/lullara_bench_load" --names "$n" --runs "$r" --dir "$work")
  done
  # Time per added name between two sizes: (load(big) - load(small)) / (2 x (big - small)).
  per_name() { calc "($(kv "${load[$2]}" load_ms) - $(kv "${load[$1]}" load_ms)) * 1000 / (2 * ($2 - $1))" 2; }
  us_small=$(per_name 10000 100000); us_big=$(per_name 100000 1000000)
  l=${load[100000]}
  row "load both lists of 100,000 names (sort -f)" "$(kv "$l" load_ms) ms" "$(kv "$l" sort_ms) ms" \
      "$(kv "$l" ratio) x" "<= 3 x" "$(verdict "$(kv "$l" ratio) <= 3")"
  row "time per name, 100,000 to 1,000,000 a list" "$us_big us" "-" "-" "<= 1.0 us" "$(verdict "$us_big <= 1.0")"
  row "  time per name, 10,000 to 100,000 a list" "$us_small us" "-" "-" "-" ""
fi

# ---- 4. Export -----------------------------------------------------------------
if part export; then
  echo "export: 32,767 rows, $runs runs ..." >&2
  e=$(QT_QPA_PLATFORM=offscreen "$benchbin/lullara_bench_export" --rows 32767 --runs "$runs" --dir "$work")
  row "Save All 32,767 rows as text (cp)" "$(kv "$e" text_ms) ms" "$(kv "$e" text_cp_ms) ms" \
      "$(kv "$e" text_ratio) x" "<= 5 x" "$(verdict "$(kv "$e" text_ratio) <= 5")"
  row "Save All 32,767 rows as HTML (cp)" "$(kv "$e" html_ms) ms" "$(kv "$e" html_cp_ms) ms" \
      "$(kv "$e" html_ratio) x" "<= 5 x" "$(verdict "$(kv "$e" html_ratio) <= 5")"
  notes+=("export sizes: text $(kv "$e" text_bytes) bytes, HTML $(kv "$e" html_bytes) bytes;\
 formatting alone: text $(kv "$e" text_format_ms) ms, HTML $(kv "$e" html_format_ms) ms")
fi

echo
for n in ${notes[@]+"${notes[@]}"}; do echo "$n"; done
echo

# ---- 5. The whole program with big lists ------------------------------------------
if part scaling; then
  declare -A scale_cpu scale_hwm
  for n in 1000 100000 1000000; do
    echo "scaling: the program with 2 x $n names, $scale_runs runs ..." >&2
    prog="$work/prog-$n"
    mkdir -p "$prog"
    cp "$bin/lullara" "$bin/guy.gif" "$bin/girl.gif" "$prog/"
    cp "$work/load-$n/guyname.txt" "$work/load-$n/girlname.txt" "$prog/"
    : >"$work/scale-$n"
    for _ in $(seq 1 "$scale_runs"); do
      watch start --title "$main_title" -- "$prog/lullara" >>"$work/scale-$n"
    done
    scale_cpu[$n]=$(field picture_cpu_ms "$work/scale-$n")
    scale_hwm[$n]=$(field hwm_kb "$work/scale-$n")
  done
  echo "Scaling (both lists of N names each; load = read + parse + sort into the boxes + one event-loop pass;"
  echo "program = CPU to the first complete picture and peak memory of the whole program with those lists):"
  printf '%-9s %10s %10s %11s %12s %12s %11s %15s %13s\n' "N" "load ms" "parse ms" "box sort ms" "us per name" \
         "boxes hold" "B per name" "program CPU ms" "program peak"
  for n in 1000 10000 100000 1000000; do
    l=${load[$n]}
    held_kb=$(( $(kv "$l" rss_loaded_kb) - $(kv "$l" rss_before_kb) ))
    pc="-"; ph="-"
    if [ -n "${scale_cpu[$n]:-}" ]; then pc=$(calc "${scale_cpu[$n]}" 0); ph="$(calc "${scale_hwm[$n]} / 1024" 1) MiB"; fi
    printf '%-9s %10s %10s %11s %12s %12s %11s %15s %13s\n' "$n" "$(kv "$l" load_ms)" "$(kv "$l" parse_ms)" \
      "$(kv "$l" setnames_ms)" "$(calc "$(kv "$l" load_ms) * 1000 / (2 * $n)" 2)" "$(calc "$held_kb / 1024" 1) MiB" \
      "$(calc "$held_kb * 1024 / (2 * $n)" 0)" "$pc" "$ph"
  done
fi

# ---- 6. The Name lists window (US names) ------------------------------------------
if part namelists; then
  echo
  echo "Name lists window with the real US name data ($runs runs, medians; target < 150 ms each):"
  us_line=$(QT_QPA_PLATFORM=offscreen "$benchbin/lullara_bench_usnames" --dir "$bin" --runs "$runs")
  row "open: read + parse $(kv "$us_line" names) names, choose, show" "$(kv "$us_line" open_ms) ms" "" "" "< 150 ms" \
      "$(verdict "$(kv "$us_line" open_ms) < 150")"
  row "  of it, read + parse alone" "$(kv "$us_line" parse_ms) ms" "" "" "" ""
  row "change the decades (1950s to 2020s)" "$(kv "$us_line" change_ms) ms" "" "" "< 150 ms" \
      "$(verdict "$(kv "$us_line" change_ms) < 150")"
  row "change to every name of every decade" "$(kv "$us_line" change_all_ms) ms" "" "" "< 150 ms" \
      "$(verdict "$(kv "$us_line" change_all_ms) < 150")"
fi
