#!/usr/bin/env bash
# benchmarks.sh [--peer] [build dir] [runs] [peer runs]: builds the benchmark harness
# (RelWithDebInfo) and measures
#   on Qt's offscreen platform (skipped with --peer):
#   - start-up: process start to the main window's first paint;
#   - resident memory (VmRSS, VmHWM) once the standard page's first load is over;
#   - the standard page's full reload after a monitor switch, with the simulated monitors set to
#     DDC/CI timings (40 ms per read, 50 ms per write);
#   side by side with ddcui (Debian's Qt 5 DDC/CI program) on a virtual X display (Xvfb), in
#   interleaved fresh processes (peer runs, 3 unless given, 0 to skip; with --peer the second
#   number):
#   - instructions from exec to the first flush of a painted window to the screen (callgrind),
#     the client in Chinese and in English;
#   - wall-clock and CPU time to that flush, and VmRSS 3 s after it;
#   - the client hidden in the tray: voluntary context switches (wake-ups) and VmRSS growth
#     over 30 s.
# Installs what it needs (xvfb, valgrind, ddcui) through scripts/install-deps.sh. Prints every
# run, the medians and the ratios. Figures and their reading: docs/benchmarks.md.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
peer_only=0
if [[ ${1:-} == --peer ]]; then
    peer_only=1
    shift
fi
build=$(realpath -m "${1:-"$top/build"}")
if ((peer_only)); then
    runs=7 peer_runs=${2:-3}
else
    runs=${2:-7} peer_runs=${3:-3}
fi

if [[ $(uname -s) == Linux ]]; then
    "$top/scripts/install-deps.sh" xvfb valgrind ddcui
fi

cmake -S "$top" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" --target ZavoBench FirstFlushProbe -j2 >/dev/null
bench_dir="$build/bench"
bench="$bench_dir/ZavoBench"

# A private runtime folder, so that the single-instance guard never meets a client running for
# this user, and the offscreen platform, so that no display is needed.
runtime=$(mktemp -d)
work=$(mktemp -d)
xvfb_pid=
cleanup() {
    [[ -n $xvfb_pid ]] && kill "$xvfb_pid" 2>/dev/null
    rm -rf "$runtime" "$work"
}
trap cleanup EXIT
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

offscreen_bench() {
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
}

# ---- side by side with ddcui on Xvfb ----

probe="$bench_dir/FirstFlushProbe.so"
peer_log="$bench_dir/peer-stderr.log"

set_language() { printf '[LANGUAGE]\nLANGUAGE_TYPE=%s\n' "$1" >"$bench_dir/SystemConfig.ini"; }
status_kb() { awk -v k="$1:" '$1 == k { print $2 }' "/proc/$2/status"; }
# "<thread id> <voluntary context switches>" for every thread of the process.
thread_switches() {
    local t
    for t in /proc/"$1"/task/*; do
        awk -v t="${t##*/}" '$1 == "voluntary_ctxt_switches:" { print t, $2 }' "$t/status" 2>/dev/null || true
    done
}
# Wake-ups between two thread_switches snapshots: the growth of every thread alive at the end
# (a thread started in between counts from zero; one that ended is lost, and counted apart).
wakeups_between() { awk 'NR == FNR { before[$1] = $2; next } { n += $2 - before[$1] } END { print n + 0 }' "$1" "$2"; }
wait_for() { # wait_for <seconds> <command...>: polls the command every 50 ms
    local end=$((SECONDS + $1))
    shift
    until "$@"; do
        ((SECONDS < end)) || return 1
        sleep 0.05
    done
}
stop() { kill "$1" 2>/dev/null || true; wait "$1" 2>/dev/null || true; }

# callgrind <name> <command...>: instructions from exec to the first QBackingStore::flush.
# callgrind dumps its counts just before that call (the first dump holds everything since exec),
# then the program is stopped.
callgrind() {
    local name=$1 pid dump
    shift
    rm -f "$work/cg.$name".*
    (cd "$bench_dir" && exec valgrind --tool=callgrind --callgrind-out-file="$work/cg.$name.%p" \
        --dump-before='QBackingStore::flush*' "$@" >>"$peer_log" 2>&1) &
    pid=$!
    dump="$work/cg.$name.$pid.1"
    if ! wait_for 600 grep -qs '^totals:' "$dump"; then
        stop "$pid"
        echo "callgrind run of $name saw no flush" >&2
        exit 1
    fi
    stop "$pid"
    sed -n 's/^summary: //p' "$dump"
}

# native <name> <command...>: runs it with the flush probe; sets paint_ms and cpu_ms (to the
# first flush), rss_kb (3 s later) and pid (left running).
native() {
    local name=$1 t0 line
    shift
    rm -f "$work/flush" "$work/out.$name"
    t0=${EPOCHREALTIME/[.,]/}
    (cd "$bench_dir" && exec env LD_PRELOAD="$probe" BENCH_FIRST_FLUSH_FILE="$work/flush" "$@" \
        >"$work/out.$name" 2>>"$peer_log") &
    pid=$!
    if ! wait_for 60 test -s "$work/flush"; then
        stop "$pid"
        echo "run of $name never flushed a window" >&2
        exit 1
    fi
    line=$(<"$work/flush")
    paint_ms=$(awk -v a="$(field first_flush_epoch_us <<<"$line")" -v b="$t0" 'BEGIN { printf "%.1f", (a - b) / 1000 }')
    cpu_ms=$(awk -v a="$(field cpu_us <<<"$line")" 'BEGIN { printf "%.1f", a / 1000 }')
    sleep 3
    rss_kb=$(status_kb VmRSS "$pid")
}

peer_bench() {
    Xvfb -displayfd 3 -screen 0 1920x1080x24 -nolisten tcp 3>"$work/display" 2>>"$peer_log" &
    xvfb_pid=$!
    wait_for 30 test -s "$work/display" || { echo "Xvfb did not start" >&2; exit 1; }
    export DISPLAY=":$(<"$work/display")"
    unset QT_QPA_PLATFORM
    : >"$peer_log"
    local i k
    declare -A fig
    local client=("$bench" tray) peer=(ddcui)

    echo "== side by side with ddcui on Xvfb ($peer_runs interleaved runs; $(dpkg-query -W -f='ddcui ${Version}' ddcui 2>/dev/null))"
    for ((i = 1; i <= peer_runs; i++)); do
        set_language 0
        fig[ir_zh]+=" $(callgrind client-zh "${client[@]}")"
        fig[ir_peer]+=" $(callgrind ddcui "${peer[@]}")"
        set_language 1
        fig[ir_en]+=" $(callgrind client-en "${client[@]}")"

        set_language 0
        native client-zh "${client[@]}"
        fig[paint_zh]+=" $paint_ms" fig[cpu_zh]+=" $cpu_ms" fig[rss_zh]+=" $rss_kb"
        # Hidden in the tray once the first load is over; counted after 2 s of settling.
        if ! wait_for 60 grep -qs '^hidden_epoch_us=' "$work/out.client-zh"; then
            echo "the client never went to the tray" >&2
            exit 1
        fi
        sleep 2
        local m0 m1 r0 r1 gone
        thread_switches "$pid" >"$work/threads0"
        m0=$(status_kb voluntary_ctxt_switches "$pid") r0=$(status_kb VmRSS "$pid")
        sleep 30
        thread_switches "$pid" >"$work/threads1"
        m1=$(status_kb voluntary_ctxt_switches "$pid") r1=$(status_kb VmRSS "$pid")
        stop "$pid"
        gone=$(awk 'NR == FNR { alive[$1] = 1; next } !($1 in alive) { n++ } END { print n + 0 }' "$work/threads1" "$work/threads0")
        fig[wake_main]+=" $((m1 - m0))" fig[wake_all]+=" $(wakeups_between "$work/threads0" "$work/threads1")"
        fig[threads_gone]+=" $gone" fig[tray_growth]+=" $((r1 - r0))"

        native ddcui "${peer[@]}"
        stop "$pid"
        fig[paint_peer]+=" $paint_ms" fig[cpu_peer]+=" $cpu_ms" fig[rss_peer]+=" $rss_kb"

        set_language 1
        native client-en "${client[@]}"
        stop "$pid"
        fig[paint_en]+=" $paint_ms" fig[cpu_en]+=" $cpu_ms" fig[rss_en]+=" $rss_kb"
        echo "run $i: instructions ${fig[ir_zh]##* } / ${fig[ir_en]##* } / ${fig[ir_peer]##* }," \
            "CPU ms ${fig[cpu_zh]##* } / ${fig[cpu_en]##* } / ${fig[cpu_peer]##* }," \
            "wall ms ${fig[paint_zh]##* } / ${fig[paint_en]##* } / ${fig[paint_peer]##* }," \
            "VmRSS kB ${fig[rss_zh]##* } / ${fig[rss_en]##* } / ${fig[rss_peer]##* } (client zh / client en / ddcui);" \
            "tray, 30 s: ${fig[wake_main]##* } wake-ups of the main thread, ${fig[wake_all]##* } of all threads" \
            "(${fig[threads_gone]##* } threads ended), VmRSS growth ${fig[tray_growth]##* } kB"
    done
    set_language 0

    med() { tr ' ' '\n' <<<"${fig[$1]}" | grep . | median; }
    ratio() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.2f", a / b }'; }
    echo "medians (client zh | client en | ddcui | ratios zh, en):"
    for k in ir cpu paint rss; do
        local zh en pr
        zh=$(med "${k}_zh") en=$(med "${k}_en") pr=$(med "${k}_peer")
        printf '  %-38s %14s | %14s | %14s | %s, %s\n' \
            "$(case $k in ir) echo "instructions to the first flush" ;; cpu) echo "CPU ms to the first flush" ;;
                paint) echo "wall ms from exec to the first flush" ;; rss) echo "VmRSS kB 3 s after the first flush" ;; esac)" \
            "$zh" "$en" "$pr" "$(ratio "$zh" "$pr")" "$(ratio "$en" "$pr")"
    done
    echo "  tray, hidden 30 s (client zh): $(med wake_main) wake-ups of the main thread," \
        "$(med wake_all) of all threads, VmRSS growth $(med tray_growth) kB"
}

if ((!peer_only)); then
    offscreen_bench
fi
if [[ $(uname -s) == Linux ]] && ((peer_runs > 0)); then
    peer_bench
fi
