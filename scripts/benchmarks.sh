#!/usr/bin/env bash
# benchmarks.sh [build dir] [runs]: builds the benchmark harness (RelWithDebInfo) and measures
#   - start-up: process start to the main window's first paint (offscreen platform);
#   - resident memory (VmRSS, VmHWM) once the standard page's first load is over;
#   - the standard page's full reload after a monitor switch, with the simulated monitors set to
#     DDC/CI timings (40 ms per read, 50 ms per write).
# Each start-up figure comes from a fresh process; the reloads run in one process. Prints every
# run and the medians. Figures and their reading: docs/benchmarks.md.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
build=$(realpath -m "${1:-"$top/build"}")
runs=${2:-7}

cmake -S "$top" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" --target ZavoBench -j2 >/dev/null
bench_dir="$build/bench"
bench="$bench_dir/ZavoBench"

# A private runtime folder, so that the single-instance guard never meets a client running for
# this user, and the offscreen platform, so that no display is needed.
runtime=$(mktemp -d)
trap 'rm -rf "$runtime"' EXIT
chmod 700 "$runtime"
export XDG_RUNTIME_DIR="$runtime" QT_QPA_PLATFORM=offscreen

# Two monitors (the switch needs a second one) with DDC/CI timings; factory values otherwise.
cat >"$bench_dir/plugins/Monitor.sim.json" <<'EOF'
{
  "transcript": "bench-transcript.log",
  "monitors": [
    { "refreshHz": 144, "getMs": 40, "setMs": 50 },
    { "refreshHz": 60, "getMs": 40, "setMs": 50 }
  ]
}
EOF
printf '[LANGUAGE]\nLANGUAGE_TYPE=0\n' >"$bench_dir/SystemConfig.ini"
: >"$bench_dir/bench-stderr.log"  # the client's own output, kept apart from the figures

median() { sort -n | awk '{ v[NR] = $1 } END { if (NR % 2) print v[(NR + 1) / 2]; else printf "%.1f\n", (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }
field() { sed -n "s/.*\\b$1=\\([-0-9.]*\\).*/\\1/p"; }

echo "== start-up and memory ($runs fresh processes)"
paint=() rss=() hwm=() firstload=()
for ((i = 1; i <= runs; i++)); do
    t0=$EPOCHREALTIME
    out=$(cd "$bench_dir" && "$bench" startup 2>>"$bench_dir/bench-stderr.log")
    start_us=${t0/[.,]/}
    paint_us=$(field first_paint_epoch_us <<<"$out")
    if [[ -z $paint_us ]]; then
        echo "run $i failed: $out" >&2
        exit 1
    fi
    p=$(awk -v a="$paint_us" -v b="$start_us" 'BEGIN { printf "%.1f", (a - b) / 1000 }')
    r=$(field vmrss_kb <<<"$out")
    h=$(field vmhwm_kb <<<"$out")
    f=$(field first_load_done_ms <<<"$out")
    echo "run $i: first paint ${p} ms after start, first load over at ${f} ms, VmRSS ${r} kB, VmHWM ${h} kB"
    paint+=("$p") rss+=("$r") hwm+=("$h") firstload+=("$f")
done
echo "median: first paint $(printf '%s\n' "${paint[@]}" | median) ms," \
    "VmRSS $(printf '%s\n' "${rss[@]}" | median) kB, VmHWM $(printf '%s\n' "${hwm[@]}" | median) kB"

echo "== standard page reload after a monitor switch ($runs switches, one process)"
out=$(cd "$bench_dir" && "$bench" stdload "$runs" 2>>"$bench_dir/bench-stderr.log")
grep '^run=' <<<"$out" | sed 's/^/  /'
echo "median: reload $(grep '^run=' <<<"$out" | field load_ms | median) ms," \
    "fast-setting dialog $(grep '^run=' <<<"$out" | field group1_shown_ms | median) ms" \
    "(last transfer at $(grep '^run=' <<<"$out" | field group1_last_transfer_ms | median) ms)," \
    "game-set dialog $(grep '^run=' <<<"$out" | field group2_shown_ms | median) ms" \
    "(last transfer at $(grep '^run=' <<<"$out" | field group2_last_transfer_ms | median) ms)"
