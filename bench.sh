#!/usr/bin/env bash
# Builds the benchmarks and the game, measures Murk and prints every figure beside its target.
# Each figure is the median of BENCH_RUNS runs (default 5; the processor-time windows of the real
# game take 3 at most), with the range of the runs beside it: the machine's noise. BENCH_WINDOW
# sets the seconds of each processor-time window (default 10). The real game runs under Xvfb at
# 1024x768 with the dummy sound driver, from a fresh copy of the game folder. In play, each
# figure of Murk is shown beside the peer tile game tworld's (installed when missing), the two
# games run in turn: Murk, tworld, Murk, tworld...
set -euo pipefail
cd "$(dirname "$0")"
REPO=$PWD
RUNS=${BENCH_RUNS:-5}
WINDOW=${BENCH_WINDOW:-10}
SONG_SECONDS=40 # the opening song plays for 34 s after the start; the sound device closes soon after
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

# Processor time of process $1 and all its threads so far, in nanoseconds.
cpu_ns() { cat /proc/"$1"/task/*/schedstat 2>/dev/null | awk '{s += $1} END {printf "%.0f", s}'; }
# "TID NANOSECONDS WAKEUPS" of each thread of process $1 now.
threads() {
    local t
    for t in /proc/"$1"/task/*; do
        echo "${t##*/} $(cut -d' ' -f1 "$t/schedstat" 2>/dev/null) $(awk '/^voluntary_ctxt_switches/ {print $2}' "$t/status" 2>/dev/null)"
    done
}
# threads_delta BEFORE AFTER: the processor nanoseconds and wake-ups between two snapshots of
# threads, counting a thread from where it was first seen: a thread that ended meanwhile (the
# audio thread, once nothing sounds) must not take its whole past off the sum.
threads_delta() {
    awk 'NR == FNR {c[$1] = $2; w[$1] = $3; next}
         NF == 3 {dc += $2 - ($1 in c ? c[$1] : 0); dw += $3 - ($1 in w ? w[$1] : 0)}
         END {printf "%.0f %.0f", dc, dw}' <(echo "$1") <(echo "$2")
}
# Processor time of process $1 and all its threads over $2 seconds, in percent of one core.
cpu_percent() {
    local before
    before=$(cpu_ns "$1")
    sleep "$2"
    awk -v a="$before" -v b="$(cpu_ns "$1")" -v t="$2" 'BEGIN {printf "%.2f", (b - a) / (t * 1e7)}'
}
peak_mb() { awk '/VmHWM/ {printf "%.1f", $2 / 1024}' /proc/"$1"/status; }

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

    echo "pump with nothing pending|us|<=|0.5|$(bench_values "$sdlb" BM_PumpIdle cpu)"
    # The level editor: one update of a paint stroke (the pointer a square on, the squares it
    # paints drawn and presented), as the processor time it takes at 60 updates a second.
    echo "editor: paint stroke, 60 updates a second|%|<=|5|$(bench_values "$sdlb" BM_EditorStroke cpu |
        awk '{for (i = 1; i <= NF; ++i) printf "%.2f ", $i * 60 / 1e4}')"
    echo "PollEvent with nothing pending|us|-|-|$(bench_values "$sdlb" BM_PollEventIdle cpu)"

    # The real games, one run each in turn: Murk, then the peer, then Murk again...
    local startup=() menu=() song=() m_play=() p_play=() xserver
    xserver=$(pgrep -P "$PPID" -x Xvfb || true)
    for i in $(seq "$RUNS"); do
        # A fresh game folder: default options (speed 20), no window choice, every hint seen.
        cd "$REPO" && rm -rf "$GAME.run" && cp -r "$GAME" "$GAME.run" && cd "$GAME.run"
        rm -f Options.dat Display.dat
        printf 'start\nkit\nbomb\nshield\n' >Hints.dat
        local started
        started=$(date +%s)
        read -r ms pid < <("$FIRSTPAINT" 200,600=0,0,0 20,20=64,32,32 -- ./murk)
        startup+=("$ms")
        if [ "$i" -le 3 ]; then
            sleep 1
            menu+=("$(cpu_percent "$pid" "$WINDOW")")
            xdotool search --class murk windowfocus --sync 2>/dev/null
            xdotool key F2
            sleep 3 # the level's title shows for its first two seconds
            song+=("$(cpu_percent "$pid" "$WINDOW")")
            # Standing is measured once the opening song (34 s from the start) has ended.
            m_play+=("$(play_figures "$pid" "$xserver" $((started + SONG_SECONDS)))")
        fi
        stop_process "$pid"
        [ "$i" -le 3 ] || continue

        # The peer, straight into its first level, its solutions kept in a fresh folder.
        rm -rf "$GAME.peer" && mkdir "$GAME.peer"
        "$PEER" -S "$GAME.peer" intro-ms.dac 1 >/dev/null 2>&1 &
        pid=$!
        if timeout 20 xdotool search --sync --onlyvisible --pid "$pid" --name . windowfocus --sync >/dev/null 2>&1; then
            sleep 2
            p_play+=("$(play_figures "$pid" "$xserver")")
        fi
        stop_process "$pid"
    done
    cd "$REPO" && rm -rf "$GAME.run" "$GAME.peer"
    echo "start-up to the first painted menu|ms|<=|300|${startup[*]}"
    echo "CPU while the menu waits|%|<=|0.25|${menu[*]}"
    # play_figures: walking, X server while walking, standing, wake-ups standing, peak memory.
    nth() {
        local n=$1
        shift
        printf '%s\n' "$@" | awk -v n="$n" 'NF {printf "%s ", $n}'
    }
    figures() { echo "$1|$2|$3|$4|$(nth "$5" "${m_play[@]}")|$(nth "$5" "${p_play[@]}")"; }
    echo "CPU in play, standing, the opening song playing|%|-|-|${song[*]}"
    figures "CPU in play at speed 20, standing" % "<=" 0.4 3
    figures "CPU in play at speed 20, walking" % "<=" 0.6 1
    figures "CPU of the X server, the game walking" % "<=" peer 2
    figures "wake-ups a second in play, standing" /s "<=" 60 4
    figures "peak resident memory in play" MB "<=" 24 5
}

# The player walks for $1 seconds, turning each second (Right, Left, Right...).
bounce() {
    local key=Right
    for _ in $(seq "$1"); do
        xdotool keydown $key
        sleep 1
        xdotool keyup $key
        if [ $key = Right ]; then key=Left; else key=Right; fi
    done
}

# play_figures PID XSERVER [QUIET_AT]: in the game now in play, the processor time of the game
# walking, of the X server the while, of the game standing (in percent of a core; not before the
# epoch second QUIET_AT, when nothing sounds any more), its wake-ups a second standing and its
# peak resident memory in MB, on one line.
play_figures() {
    local pid=$1 x=${2:-0} quietAt=${3:-0} t0 g0 x0 walk xs stand wake
    t0=$(date +%s.%N) g0=$(cpu_ns "$pid") x0=$(cpu_ns "$x")
    bounce "$WINDOW"
    read -r walk xs < <(awk -v t="$(date +%s.%N)" -v t0="$t0" -v g="$(cpu_ns "$pid")" -v g0="$g0" \
        -v x="$(cpu_ns "$x")" -v x0="$x0" 'BEGIN {printf "%.2f %.2f", (g - g0) / ((t - t0) * 1e7), (x - x0) / ((t - t0) * 1e7)}')
    sleep 1
    while [ "$(date +%s)" -lt "$quietAt" ]; do sleep 0.5; done
    local before after
    t0=$(date +%s.%N) before=$(threads "$pid")
    sleep "$WINDOW"
    after=$(threads "$pid")
    read -r stand wake < <(threads_delta "$before" "$after" |
        awk -v t="$(date +%s.%N)" -v t0="$t0" '{printf "%.2f %.1f", $1 / ((t - t0) * 1e7), $2 / (t - t0)}')
    echo "$walk $xs $stand $wake $(peak_mb "$pid")"
}
if [ "${1:-}" = --in-xvfb ]; then
    window_figures
    exit 0
fi

MISSED=0
# report NAME UNIT OP TARGET "VALUES" ["PEER VALUES"]: the median of Murk's values against the
# target (OP "-": none; TARGET "peer": the peer's median), then the peer's median and the ratio.
report() {
    local name=$1 unit=$2 op=$3 target=$4 values=$5 peer=${6:-} med range verdict="" pmed="" tail
    stats() { tr ' ' '\n' <<<"$1" | grep . | median; }
    spread() { tr ' ' '\n' <<<"$1" | grep . | sort -g | awk 'NR == 1 {lo = $1} {hi = $1} END {printf "%s..%s", lo, hi}'; }
    if [ -z "${values// /}" ]; then
        printf '%-48s no figure (the measurement failed)\n' "$name"
        MISSED=$((MISSED + 1))
        return
    fi
    med=$(stats "$values")
    range=$(spread "$values")
    [ -z "${peer// /}" ] || pmed=$(stats "$peer")
    if [ "$target" = peer ]; then target=${pmed:-none}; fi
    if [ "$op" != - ]; then
        if [ "$target" != none ] && awk -v m="$med" -v t="$target" -v op="$op" 'BEGIN {exit !(op == "<=" ? m <= t : m >= t)}'; then
            verdict="target $op $target: ok"
        else
            verdict="target $op $target: MISSED"
            MISSED=$((MISSED + 1))
        fi
    fi
    tail="runs $range"
    if [ -n "$pmed" ]; then
        tail=$(awk -v m="$med" -v p="$pmed" -v r="$range" -v pr="$(spread "$peer")" \
            'BEGIN {printf "%8s  %6s  runs %s / %s", p, (p > 0 ? sprintf("%.2f", m / p) : "-"), r, pr}')
    fi
    printf '%-48s %9s %-3s %-27s %s\n' "$name" "$med" "$unit" "$verdict" "$tail"
}

scripts/setup.sh
# The peer tile game whose in-play figures are shown beside Murk's.
PEER=/usr/games/tworld
if [ ! -x "$PEER" ]; then
    SUDO=""
    [ "$(id -u)" -ne 0 ] && SUDO="sudo"
    DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq tworld >/dev/null
fi
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j"$(nproc)" --target murk murk-sim murk_bench murk_sdl_bench >/dev/null
WORK=$(mktemp -d "${TMPDIR:-/tmp}/murk-bench.XXXXXX")
trap 'rm -rf "$WORK"' EXIT
cc -O2 -o "$WORK/firstpaint" bench/firstpaint.c -lX11

echo "Murk: median of $RUNS runs (range after it); $(nproc) cores, load $(cut -d' ' -f1-3 /proc/loadavg)"
echo "In play, beside Murk: the peer tile game tworld's median, Murk/tworld, and both ranges"
printf '%-48s %9s %-3s %-27s %8s  %6s  %s\n' figure Murk "" target tworld ratio runs
CORE=build/bench/murk_bench
report "world tick with a scan, crowded room" us "<=" 100 "$(bench_values $CORE BM_WorldTickScan cpu)"
report "world tick without a scan" us "<=" 2 "$(bench_values $CORE BM_WorldTickNoScan cpu)"
# The level editor opens a level of 20 x 20 rooms (the shipped rooms over and over) and checks it.
report "editor: open and check a 20x20-room level" ms "<=" 100 \
    "$(bench_values $CORE BM_EditorOpenAndCheck cpu | awk '{for (i = 1; i <= NF; ++i) printf "%.1f ", $i / 1000}')"

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
report "murk-sim passes a second at speed 0, busy level" "/s" ">=" 100000 "$(sim_rates 100000)"
report "murk-sim passes a second, the same with stars" "/s" - - "$(sim_rates 20000 A31)"

GAME="$WORK/game"
cp -r build/game "$GAME"
rm -f "$GAME"/Capture*.bmp
GAME=$GAME REPO=$REPO RUNS=$RUNS WINDOW=$WINDOW FIRSTPAINT="$WORK/firstpaint" PEER=$PEER \
    xvfb-run -a -s "-screen 0 1024x768x24" "$REPO/bench.sh" --in-xvfb >"$WORK/window.txt"
while IFS='|' read -r name unit op target values peer; do
    report "$name" "$unit" "$op" "$target" "$values" "$peer"
done <"$WORK/window.txt"
echo "load after: $(cut -d' ' -f1-3 /proc/loadavg); $MISSED target(s) missed"
[ "$MISSED" -eq 0 ]
