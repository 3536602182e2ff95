#!/usr/bin/env bash
# Lullara's benchmarks: builds what is missing, then measures every figure
# against an anchor measured in the same run, and prints the ratios, the
# targets and whether they are met. Linux with Xvfb and xdotool.
#
#   bench/run.sh            all figures (about 3 minutes on 2 cores)
#   bench/run.sh --quick    fewer runs, for a smoke test (about 1 minute)
#
# Environment:
#   BENCH_BUILD_DIR  build folder (default: build, as tools/build.sh makes it)
#   BENCH_RUNS       runs per figure, medians taken (default 7; --quick 3)
#
# Nothing outside a temporary folder is touched: the programs run with their
# own HOME (so their settings go there) on their own Xvfb display.
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
repo="$(cd "$here/.." && pwd)"
build="${BENCH_BUILD_DIR:-$repo/build}"
runs="${BENCH_RUNS:-7}"
cpu_runs=3
cpu_seconds=5
scale_runs=3
if [ "${1:-}" = "--quick" ]; then
  runs="${BENCH_RUNS:-3}"
  cpu_runs=1
  cpu_seconds=3
  scale_runs=1
fi

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
for f in "$bin/lullara" "$benchbin/lullara_bench_anchor" "$benchbin/lullara_bench_load" \
         "$benchbin/lullara_bench_export" "$benchbin/lullara_bench_xwatch"; do
  [ -x "$f" ] || { echo "bench: $f was not built" >&2; exit 1; }
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
kv() { tr ' ' '\n' <<<"$1" | sed -n "s/^$2=//p"; }
calc() { awk "BEGIN {printf \"%.${2:-2}f\", $1}"; }
verdict() { if awk "BEGIN {exit !($1)}"; then echo "met"; else echo "MISSED"; fi; }
watch() { "$benchbin/lullara_bench_xwatch" "$@"; }
row() { printf '%-44s %12s %12s %10s  %-12s %s\n' "$@"; }

anchor_title="Lullara bench anchor"
main_title="Lullara v2.0"
results=()

echo "Lullara benchmarks: $(date -u '+%Y-%m-%d %H:%M UTC'), $(nproc) cores, $(awk -F': ' '/model name/ {print $2; exit}' /proc/cpuinfo)"
echo "build: $build ($build_type); medians of $runs runs unless said otherwise"
echo

# ---- 1. Start-up and peak memory ---------------------------------------------
echo "start-up: $runs runs of each program, interleaved, after one warm-up run each ..." >&2
watch start --title "$anchor_title" -- "$benchbin/lullara_bench_anchor" >/dev/null
watch start --title "$main_title" -- "$bin/lullara" >/dev/null
: >"$work/start-anchor"; : >"$work/start-main"; : >"$work/start-text"
for _ in $(seq 1 "$runs"); do
  watch start --title "$anchor_title" -- "$benchbin/lullara_bench_anchor" >>"$work/start-anchor"
  watch start --title "$main_title" -- "$bin/lullara" >>"$work/start-main"
  watch start --title "$anchor_title with text" -- "$benchbin/lullara_bench_anchor" --text >>"$work/start-text"
done
st_anchor=$(sed -n 's/.*startup_ms=\([^ ]*\).*/\1/p' "$work/start-anchor" | median)
st_main=$(sed -n 's/.*startup_ms=\([^ ]*\).*/\1/p' "$work/start-main" | median)
cpu_start_anchor=$(sed -n 's/.*startup_cpu_ms=\([^ ]*\).*/\1/p' "$work/start-anchor" | median)
cpu_start_main=$(sed -n 's/.*startup_cpu_ms=\([^ ]*\).*/\1/p' "$work/start-main" | median)
hwm_anchor=$(sed -n 's/.*hwm_kb=\([^ ]*\).*/\1/p' "$work/start-anchor" | median)
hwm_main=$(sed -n 's/.*hwm_kb=\([^ ]*\).*/\1/p' "$work/start-main" | median)
st_text=$(sed -n 's/.*startup_ms=\([^ ]*\).*/\1/p' "$work/start-text" | median)
hwm_text=$(sed -n 's/.*hwm_kb=\([^ ]*\).*/\1/p' "$work/start-text" | median)
st_ratio=$(calc "$st_main / $st_anchor")
mem_diff=$(calc "($hwm_main - $hwm_anchor) / 1024" 1)

# ---- 2. A run's CPU cost ------------------------------------------------------
echo "lottery CPU: $cpu_runs runs of ${cpu_seconds} s idle + ${cpu_seconds} s running ..." >&2
printf '[Setting]\ncmbNum=27\ncmbInterval=52\noptAll=True\n' >"$XDG_CONFIG_HOME/Lullara/Lullara.conf"
: >"$work/cpu"; : >"$work/cpu-tick"
for _ in $(seq 1 "$cpu_runs"); do
  watch cpu --title "$main_title" --seconds "$cpu_seconds" --key F6 -- "$bin/lullara" >>"$work/cpu"
  watch cpu --title "$anchor_title with text" --seconds "$cpu_seconds" --key F6 -- \
    "$benchbin/lullara_bench_anchor" --tick >>"$work/cpu-tick"
done
rm -f "$XDG_CONFIG_HOME/Lullara/Lullara.conf"
cpu_idle=$(sed -n 's/.*idle_pct=\([^ ]*\).*/\1/p' "$work/cpu" | median)
cpu_run=$(sed -n 's/.*run_pct=\([^ ]*\).*/\1/p' "$work/cpu" | median)
run_frames=$(sed -n 's/.*run_frames=\([^ ]*\).*/\1/p' "$work/cpu" | median)
idle_frames=$(sed -n 's/.*idle_frames=\([^ ]*\).*/\1/p' "$work/cpu" | median)
cpu_tick=$(sed -n 's/.*run_pct=\([^ ]*\).*/\1/p' "$work/cpu-tick" | median)
cpu_ratio=$(awk "BEGIN {if ($cpu_idle > 0) printf \"%.1f\", $cpu_run / $cpu_idle; else print \"-\"}")

# ---- 3. Name loading (and its scaling) -----------------------------------------
declare -A load
for n in 1000 32767 100000; do
  echo "loading: 2 x $n names, $runs runs ..." >&2
  load[$n]=$(QT_QPA_PLATFORM=offscreen "$benchbin/lullara_bench_load" --names "$n" --runs "$runs" --dir "$work")
done

# ---- 4. Export -----------------------------------------------------------------
echo "export: 32,767 rows, $runs runs ..." >&2
export_line=$(QT_QPA_PLATFORM=offscreen "$benchbin/lullara_bench_export" --rows 32767 --runs "$runs" --dir "$work")

# ---- 5. The whole program with big lists ------------------------------------------
declare -A scale_start scale_hwm
for n in 1000 32767 100000; do
  echo "scaling: the program with 2 x $n names, $scale_runs runs ..." >&2
  prog="$work/prog-$n"
  mkdir -p "$prog"
  cp "$bin/lullara" "$bin/guy.gif" "$bin/girl.gif" "$prog/"
  cp "$work/load-$n/guyname.txt" "$work/load-$n/girlname.txt" "$prog/"
  : >"$work/scale-$n"
  for _ in $(seq 1 "$scale_runs"); do
    watch start --title "$main_title" -- "$prog/lullara" >>"$work/scale-$n"
  done
  scale_start[$n]=$(sed -n 's/.*startup_ms=\([^ ]*\).*/\1/p' "$work/scale-$n" | median)
  scale_hwm[$n]=$(sed -n 's/.*hwm_kb=\([^ ]*\).*/\1/p' "$work/scale-$n" | median)
done

# ---- Report --------------------------------------------------------------------
row "figure" "Lullara" "anchor" "ratio" "target" "verdict"
row "--------------------------------------------" "------------" "------------" "----------" "------------" "-------"
row "start-up until the main window is shown" "$(calc "$st_main" 1) ms" "$(calc "$st_anchor" 1) ms" "$st_ratio x" "<= 1.3 x" \
    "$(verdict "$st_ratio <= 1.3")"
row "start-up, against the anchor with text" "$(calc "$st_main" 1) ms" "$(calc "$st_text" 1) ms" \
    "$(calc "$st_main / $st_text") x" "-" ""
row "peak memory (VmHWM), bundled lists" "$(calc "$hwm_main / 1024" 1) MiB" "$(calc "$hwm_anchor / 1024" 1) MiB" \
    "+$mem_diff MiB" "<= +15 MiB" "$(verdict "$mem_diff <= 15")"
for n in 1000 32767 100000; do
  l=${load[$n]}
  target="-"; v=""
  if [ "$n" = 100000 ]; then target="<= 3 x"; v=$(verdict "$(kv "$l" ratio) <= 3"); fi
  row "load both lists of $n names (sort -f)" "$(kv "$l" load_ms) ms" "$(kv "$l" sort_ms) ms" "$(kv "$l" ratio) x" \
      "$target" "$v"
done
row "running lottery, CPU of one core (idle)" "$(calc "$cpu_run" 2) %" "$(calc "$cpu_idle" 2) %" "$cpu_ratio x" "< 1 %" \
    "$(verdict "$cpu_run < 1")"
row "Save All 32,767 rows as text (cp)" "$(kv "$export_line" text_ms) ms" "$(kv "$export_line" text_cp_ms) ms" \
    "$(kv "$export_line" text_ratio) x" "<= 5 x" "$(verdict "$(kv "$export_line" text_ratio) <= 5")"
row "Save All 32,767 rows as HTML (cp)" "$(kv "$export_line" html_ms) ms" "$(kv "$export_line" html_cp_ms) ms" \
    "$(kv "$export_line" html_ratio) x" "<= 5 x" "$(verdict "$(kv "$export_line" html_ratio) <= 5")"
echo
if awk "BEGIN {exit !($run_frames < 3)}"; then
  echo "WARNING: the window hardly changed after F6 ($run_frames distinct pictures): the lottery may not have run." >&2
fi
echo "start-up CPU time until shown: Lullara $(calc "$cpu_start_main" 1) ms, anchor $(calc "$cpu_start_anchor" 1) ms," \
     "ratio $(calc "$cpu_start_main / $cpu_start_anchor") x (less sensitive to other load on the machine)"
echo "context, the anchor with one line of text (Qt's font system loaded): start-up $(calc "$st_text" 1) ms" \
     "($(calc "$st_text / $st_anchor") x the empty window), peak memory $(calc "$hwm_text / 1024" 1) MiB"
echo "context, the anchor redrawing one label every 100 ms: $(calc "$cpu_tick" 2) % of one core" \
     "(the floor for any Qt Widgets window that changes ten times a second)"
echo "lottery check: $idle_frames distinct window pictures while idle, $run_frames while running (grabbed every 0.5 s)"
echo "export sizes: text $(kv "$export_line" text_bytes) bytes, HTML $(kv "$export_line" html_bytes) bytes;" \
     "formatting alone: text $(kv "$export_line" text_format_ms) ms, HTML $(kv "$export_line" html_format_ms) ms"
echo

echo "Scaling (both lists of N names each; load = read + parse + sort into the boxes + one event-loop pass):"
printf '%-8s %10s %10s %10s %12s %14s %12s %14s %14s\n' "N" "load ms" "parse ms" "box sort ms" "us per name" \
       "boxes hold" "B per name" "program start" "program peak"
for n in 1000 32767 100000; do
  l=${load[$n]}
  held_kb=$(( $(kv "$l" rss_loaded_kb) - $(kv "$l" rss_before_kb) ))
  printf '%-8s %10s %10s %10s %12s %14s %12s %14s %14s\n' "$n" "$(kv "$l" load_ms)" "$(kv "$l" parse_ms)" \
    "$(kv "$l" setnames_ms)" "$(calc "$(kv "$l" load_ms) * 1000 / (2 * $n)" 2)" "$(calc "$held_kb / 1024" 1) MiB" \
    "$(calc "$held_kb * 1024 / (2 * $n)" 0)" "$(calc "${scale_start[$n]}" 0) ms" "$(calc "${scale_hwm[$n]} / 1024" 1) MiB"
done
small=${load[1000]}; big=${load[100000]}
echo "from 1,000 to 100,000 names per list (x100): load time x$(calc "$(kv "$big" load_ms) / $(kv "$small" load_ms)" 0)," \
     "memory held by the boxes +$(calc "($(kv "$big" rss_loaded_kb) - $(kv "$big" rss_before_kb) - $(kv "$small" rss_loaded_kb) + $(kv "$small" rss_before_kb)) * 1024 / (2 * 99000)" 0) bytes per added name," \
     "program peak +$(calc "(${scale_hwm[100000]} - ${scale_hwm[1000]}) * 1024 / (2 * 99000)" 0) bytes per added name"

# ---- The Name lists window (US names) --------------------------------------------
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
