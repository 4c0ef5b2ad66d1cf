#!/usr/bin/env bash
# Builds the benchmarks and the game, measures Murk and prints every figure beside its target.
# Each figure is the median of BENCH_RUNS runs (default 5; the processor-time windows of the real
# game take 3 at most), with the range of the runs beside it: the machine's noise. BENCH_WINDOW
# sets the seconds of each processor-time window (default 10). The real game runs under Xvfb at
# 1024x768 with the dummy sound driver, from a fresh copy of the game folder.
set -euo pipefail
cd "$(dirname "$0")"
REPO=$PWD
RUNS=${BENCH_RUNS:-5}
WINDOW=${BENCH_WINDOW:-10}
export SDL_AUDIODRIVER=dummy

median() { sort -g | awk '{v[NR] = $1} END {print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2}'; }

# bench_values BINARY NAME real|cpu [VAR=VALUE...]: benchmark NAME's wall-clock or processor
# time in microseconds, one a run. Work the machine's other load cannot stretch is timed by the
# processor; presenting and pacing, which wait on the X server and the clock, by the wall.
bench_values() {
    local binary=$1 name=$2 column=3
    [ "$3" = cpu ] && column=4
    shift 3
    env "$@" "$binary" --benchmark_filter="^$name\$" --benchmark_repetitions="$RUNS" \
        --benchmark_format=csv 2>/dev/null |
        awk -F, -v n="\"$name\"" -v col=$column '$1 == n {
            f = $col; u = $5; gsub(/"/, "", u)
            if (u == "ns") f /= 1000; else if (u == "ms") f *= 1000; else if (u == "s") f *= 1e6
            printf "%.3f ", f }'
}

# Processor time of process $1 and all its threads over $2 seconds, in percent of one core.
cpu_percent() {
    local before after
    before=$(cat /proc/"$1"/task/*/schedstat | awk '{s += $1} END {print s}')
    sleep "$2"
    after=$(cat /proc/"$1"/task/*/schedstat | awk '{s += $1} END {print s}')
    awk -v a="$before" -v b="$after" -v t="$2" 'BEGIN {printf "%.2f", (b - a) / (t * 1e7)}'
}

stop_process() {
    kill -TERM "$1" 2>/dev/null || return 0
    for _ in $(seq 30); do kill -0 "$1" 2>/dev/null || return 0; sleep 0.1; done
    kill -KILL "$1" 2>/dev/null || true
}

# ---- Figures of the real window; bench.sh runs itself inside Xvfb for them ----
# Prints lines NAME|UNIT|OP|TARGET|VALUES (OP "-": shown for comparison, no target).
window_figures() {
    local sdlb=$REPO/build/bench/murk_sdl_bench path i ms pid
    cd "$GAME"
    echo "DrawRoom into the canvas|us|<=|500|$(bench_values "$sdlb" BM_DrawRoomCanvas cpu)"
    echo "present of the whole window (surface)|us|<=|2000|$(bench_values "$sdlb" BM_PresentWindow/real_time real MURK_PRESENT=surface)"
    for path in software accelerated; do
        echo "present of the whole window ($path)|us|-|-|$(bench_values "$sdlb" BM_PresentWindow/real_time real MURK_PRESENT=$path)"
    done
    echo "present of 2 changed squares (surface)|us|<=|60|$(bench_values "$sdlb" BM_PresentTwoSquares/real_time real MURK_PRESENT=surface)"
    for path in software accelerated; do
        echo "present of 2 changed squares ($path)|us|-|-|$(bench_values "$sdlb" BM_PresentTwoSquares/real_time real MURK_PRESENT=$path)"
    done
    local own period
    own=$(bench_values "$sdlb" BM_PassAtSpeed/0/real_time real)
    period=$(bench_values "$sdlb" BM_PassAtSpeed/20/real_time real)
    echo "pass's own time|us|-|-|$own"
    echo "pass period at speed 20|us|-|-|$period"
    echo "pace: period off 20 ms plus own time|%|<=|5|$(paste <(tr ' ' '\n' <<<"$own") <(tr ' ' '\n' <<<"$period") |
        awk 'NF == 2 {d = $2 - (20000 + $1); if (d < 0) d = -d; printf "%.2f ", 100 * d / (20000 + $1)}')"

    local startup=() menu=() play=() rss=()
    for i in $(seq "$RUNS"); do
        rm -f Options.dat Display.dat
        read -r ms pid < <("$FIRSTPAINT" 200,600=0,0,0 20,20=64,32,32 -- ./murk)
        startup+=("$ms")
        if [ "$i" -le 3 ]; then
            sleep 1
            menu+=("$(cpu_percent "$pid" "$WINDOW")")
            xdotool search --class murk windowfocus --sync 2>/dev/null
            xdotool key F2
            sleep 2
            play+=("$(cpu_percent "$pid" "$WINDOW")")
            rss+=("$(awk '/VmHWM/ {printf "%.1f", $2 / 1024}' /proc/"$pid"/status)")
        fi
        stop_process "$pid"
    done
    echo "start-up to the first painted menu|ms|<=|300|${startup[*]}"
    echo "CPU while the menu waits|%|<=|0.5|${menu[*]}"
    echo "CPU in a level at speed 20|%|<=|5|${play[*]}"
    echo "peak resident memory in a game|MB|<=|32|${rss[*]}"
}
if [ "${1:-}" = --in-xvfb ]; then
    window_figures
    exit 0
fi

MISSED=0
# report NAME UNIT OP TARGET VALUE...: the median of the values against the target.
report() {
    local name=$1 unit=$2 op=$3 target=$4 med range verdict=""
    shift 4
    [ $# -gt 0 ] || { printf '%-50s no figure (the benchmark failed)\n' "$name"; MISSED=$((MISSED + 1)); return; }
    med=$(printf '%s\n' "$@" | median)
    range=$(printf '%s\n' "$@" | sort -g | awk 'NR == 1 {lo = $1} {hi = $1} END {printf "%s..%s", lo, hi}')
    if [ "$op" != - ]; then
        if awk -v m="$med" -v t="$target" -v op="$op" 'BEGIN {exit !(op == "<=" ? m <= t : m >= t)}'; then
            verdict="target $op $target: ok"
        else
            verdict="target $op $target: MISSED"
            MISSED=$((MISSED + 1))
        fi
    fi
    printf '%-50s %10s %-3s %-26s runs %s\n' "$name" "$med" "$unit" "$verdict" "$range"
}

scripts/setup.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j"$(nproc)" --target murk murk-sim murk_bench murk_sdl_bench >/dev/null
WORK=$(mktemp -d "${TMPDIR:-/tmp}/murk-bench.XXXXXX")
trap 'rm -rf "$WORK"' EXIT
cc -O2 -o "$WORK/firstpaint" bench/firstpaint.c -lX11

echo "Murk: median of $RUNS runs (range after it); $(nproc) cores, load $(cut -d' ' -f1-3 /proc/loadavg)"
CORE=build/bench/murk_bench
# shellcheck disable=SC2046
report "world tick with a scan, crowded room" us "<=" 100 $(bench_values $CORE BM_WorldTickScan cpu)
# shellcheck disable=SC2046
report "world tick without a scan" us "<=" 2 $(bench_values $CORE BM_WorldTickNoScan cpu)

# murk-sim at speed 0 on level 2 (the busiest shipped level) with 42 producers and creatures
# added in three bands; the time of a one-pass run is taken off, leaving the passes. Stars are
# shown apart: they spread until they fill the room, and then every scan tries every star.
sim_script() {
    printf 'speed 0\nseed 1\nlevel 2\nstart\np1 life 100000\n'
    local codes=(A01 A02 A03 A04 A05 A06 A07 A08 A09 A10 A11 A19 A64 ${2:-}) i=0 c r
    for r in 4 9 14; do
        for c in $(seq 3 2 28); do
            printf 'set %d %d %s\n' "$c" "$r" "${codes[i++ % ${#codes[@]}]}"
        done
    done
    printf 'tick %d\n' "$1"
}
seconds() {
    local t0
    t0=$(date +%s.%N)
    (cd build/game && ./murk-sim "$1" >/dev/null)
    awk -v a="$t0" -v b="$(date +%s.%N)" 'BEGIN {print b - a}'
}
sim_rates() {
    local base full
    sim_script 1 "${2:-}" >"$WORK/sim-1.txt"
    sim_script "$1" "${2:-}" >"$WORK/sim-n.txt"
    for _ in $(seq "$RUNS"); do
        base=$(seconds "$WORK/sim-1.txt")
        full=$(seconds "$WORK/sim-n.txt")
        awk -v n="$1" -v a="$base" -v b="$full" 'BEGIN {printf "%d ", n / (b - a)}'
    done
}
# shellcheck disable=SC2046
report "murk-sim passes a second at speed 0, busy level" "/s" ">=" 100000 $(sim_rates 100000)
# shellcheck disable=SC2046
report "murk-sim passes a second, the same with stars" "/s" - - $(sim_rates 20000 A31)

GAME="$WORK/game"
cp -r build/game "$GAME"
rm -f "$GAME"/Capture*.bmp
GAME=$GAME REPO=$REPO RUNS=$RUNS WINDOW=$WINDOW FIRSTPAINT="$WORK/firstpaint" \
    xvfb-run -a -s "-screen 0 1024x768x24" "$REPO/bench.sh" --in-xvfb >"$WORK/window.txt"
while IFS='|' read -r name unit op target values; do
    # shellcheck disable=SC2086
    report "$name" "$unit" "$op" "$target" $values
done <"$WORK/window.txt"
echo "load after: $(cut -d' ' -f1-3 /proc/loadavg); $MISSED target(s) missed"
[ "$MISSED" -eq 0 ]
