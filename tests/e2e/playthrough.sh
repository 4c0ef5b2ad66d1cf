#!/usr/bin/env bash
# Plays two-player games in the real murk under Xvfb, each from a level's start to the warp into
# the next level, following a two-player murk-sim script per level, and keeps screenshots.
# Usage: tests/e2e/playthrough.sh [GAME_DIR]   (default: the repository's build/game)
#
# Each route is playthrough/LevelNNN.sim (players 2; key events and passes only). murk-sim
# replays it first and notes where both players stand after every run of passes; the real game
# then gets the same key events, each run held until both players stand where murk-sim had
# them (read off the screen). The real game seeds its random numbers from the clock, so the
# levels played here are ones whose way has little random in it: no stars or frogs, at most one
# producer off the way (level 8's stars, for one, spread differently every game). The routes were made with the
# route tool from playthrough/LevelNNN.route (levelroute -p 2); make them again when one of
# these levels changes. Screenshots go to
# $E2E_SHOTS (default build/e2e-shots), named playthrough-LevelNNN-*.png. PLAYTHROUGH_LEVELS="1"
# plays only the levels named.
set -uo pipefail
HERE=$(cd "$(dirname "$0")" && pwd)
REPO=$(cd "$HERE/../.." && pwd)

if [ "${1:-}" != "--inside" ]; then
    GAME_DIR=$(cd "${1:-$REPO/build/game}" 2>/dev/null && pwd) || {
        echo "playthrough: no game folder at ${1:-$REPO/build/game}" >&2
        exit 2
    }
    if [ ! -x "$GAME_DIR/murk" ] || [ ! -x "$GAME_DIR/murk-sim" ]; then
        echo "playthrough: $GAME_DIR lacks murk or murk-sim" >&2
        exit 2
    fi
    WORK=$(mktemp -d "${TMPDIR:-/tmp}/murk-playthrough.XXXXXX")
    trap 'rm -rf "$WORK"' EXIT
    cc -O1 -o "$WORK/xsquares" "$HERE/xsquares.c" -lX11 || exit 2
    cp -r "$GAME_DIR" "$WORK/game"
    rm -f "$WORK/game/Options.dat" "$WORK/game"/Capture*.bmp
    SHOTS=${E2E_SHOTS:-$REPO/build/e2e-shots}
    mkdir -p "$SHOTS"
    rm -f "$SHOTS"/playthrough-*.png
    cd "$WORK/game" && SCENARIO=playthrough SHOTS=$SHOTS TOOLS=$WORK SCREEN_W=1024 SCREEN_H=768 \
        timeout -s KILL 900 xvfb-run -a -s "-screen 0 1024x768x24" bash "$HERE/playthrough.sh" --inside
    rc=$?
    [ "$rc" -eq 137 ] && echo "playthrough: killed after 900 s"
    exit "$rc"
fi

# shellcheck source-path=SCRIPTDIR
source "$HERE/lib.sh"

read -ra LEVELS <<<"${PLAYTHROUGH_LEVELS:-0 1 4}"
readonly SPEED=100 # milliseconds per pass: a player step every four passes, time enough to react

# The game's key codes in the scripts, as X key names.
declare -A KEYNAME=([37]=Left [38]=Up [39]=Right [40]=Down [17]=Control_L [16]=Shift_L
    [84]=t [70]=f [71]=g [72]=h [90]=z [65]=a)

P1_TILE=$("$TOOLS/xsquares" --bmp Objects/A46-Player1.bmp) || fail "no player 1 picture"
P2_TILE=$("$TOOLS/xsquares" --bmp Objects/A47-Player2.bmp) || fail "no player 2 picture"

# murk-sim's view of the route: after every "tick N" of the script, one line
# "p1col p1row p1finished p2col p2row p2finished room".
plan_route() {
    awk '/^dump$/ { next } { print } /^tick / && started { print "dump" } /^start$/ { started = 1 }' "$1" |
        ./murk-sim 2>/dev/null | awk '
        /^state / { for (i = 2; i <= NF; i++) if ($i ~ /^room=/) room = substr($i, 6) }
        /^p[12] / {
            for (i = 2; i <= NF; i++) { split($i, kv, "="); f[kv[1]] = kv[2] }
            s[$1] = f["col"] " " f["row"] " " f["finished"]
            if ($1 == "p2") print s["p1"], s["p2"], room
        }'
}

# "p1col p1row 0 p2col p2row 0": the players' start squares in level $1.
start_squares() {
    printf 'players 2\nlevel %s\nstart\ndump\n' "$1" | ./murk-sim 2>/dev/null |
        awk '/^p[12] / { for (i = 2; i <= NF; i++) { split($i, kv, "="); f[kv[1]] = kv[2] }
                         printf "%s %s 0 ", f["col"], f["row"] }'
}

# True when the screen shows each unfinished player on the square murk-sim had it on.
players_at() {
    local c1=$1 r1=$2 f1=$3 c2=$4 r2=$5 f2=$6 seen want=""
    seen=$("$TOOLS/xsquares" $((c1 * 32)) $((r1 * 32)) $((c2 * 32)) $((r2 * 32)))
    [ "$f1" = 1 ] && want="${seen%% *}" || want=$P1_TILE
    [ "$f2" = 1 ] && want="$want ${seen##* }" || want="$want $P2_TILE"
    [ "$seen" = "$want" ]
}

# Waits up to $1 seconds for players_at "${@:2}".
wait_players() {
    local deadline=$((SECONDS + $1))
    shift
    until players_at "$@"; do
        [ "$SECONDS" -ge "$deadline" ] && return 1
        sleep 0.01
    done
}

# A screenshot taken during play without holding it up: in the background, a moment later (a
# room is still being drawn when the players show on it), turned into a PNG after the level.
SNAPS=() SNAP_PIDS=()
snap() {
    (sleep 0.25 && "$TOOLS/xsquares" --save "snap-$1.ppm") &
    SNAP_PIDS+=($!)
    SNAPS+=("$1")
}
keep_snaps() {
    local name
    [ ${#SNAP_PIDS[@]} -gt 0 ] && wait "${SNAP_PIDS[@]}"
    for name in "${SNAPS[@]}"; do
        /usr/bin/convert "snap-$name.ppm" "$SHOTS/$SCENARIO-$name.png" &&
            echo "$SHOTS/$SCENARIO-$name.png" >>"$SHOTS/index.txt"
    done
    SNAPS=() SNAP_PIDS=()
}

# The route as runs of passes, worked out before play so that play only sends keys and reads
# the screen: one line per "tick N" with what murk-sim saw after it, as
# "step|X key events|see or wait|seconds|p1col p1row p1fin p2col p2row p2fin|room|snap".
# A run is seen when a player on the board moves: it lasts until both stand where murk-sim had
# them. A player who reaches the finish leaves the board, so a run where no one else moves is
# timed: its keys stay held for the run's passes, with time to spare.
route_runs() {
    local keys
    keys=$(for k in "${!KEYNAME[@]}"; do printf '%s=%s ' "$k" "${KEYNAME[$k]}"; done)
    sed -n '/^start$/,$p' "$1" | awk -v plan="$2" -v previous="$3" -v speed="$SPEED" -v keys="$keys" '
        BEGIN {
            n = split(plan, lines, "\n")
            split(keys, pairs, " ")
            for (i in pairs) { split(pairs[i], kv, "="); name[kv[1]] = kv[2] }
        }
        /^(down|up) / {
            if (!($2 in name)) { print "no X key for code " $2 > "/dev/stderr"; exit 1 }
            events = events ($1 == "down" ? " keydown " : " keyup ") name[$2]
        }
        /^tick / {
            if (++step > n) exit
            split(lines[step], f, " ")
            where = f[1] " " f[2] " " f[3] " " f[4] " " f[5] " " f[6]
            split(previous, p, " ")
            moved = 0
            for (i = 1; i <= 4; i += 3)
                if (f[i + 2] == 0 && (p[i] != f[i] || p[i + 1] != f[i + 1])) moved = 1
            seconds = moved ? 3 + $2 * speed * 3 / 1000 : $2 * speed * 1.5 / 1000
            snap = f[7] != room && step < n
            printf "%d|%s|%s|%.3f|%s|%s|%d\n", step, events, moved ? "see" : "wait", seconds,
                where, f[7], snap
            room = f[7]
            previous = where
            events = ""
        }'
}

play_level() {
    local level=$1 name route plan first runs
    name=$(printf 'Level%03d' "$level")
    route="$HERE/playthrough/$name.sim"
    [ -f "$route" ] || fail "no route $route"
    plan=$(plan_route "$route")
    [ -n "$plan" ] || fail "murk-sim gave no positions for $route"
    first=$(start_squares "$level")
    runs=$(route_runs "$route" "$plan" "$first") || fail "$route: cannot be played with X keys"

    start_murk
    GAME_WID=$(wait_game_window 30) || fail "the game window did not show"
    focus_game
    sleep 1
    key F7
    for _ in $(seq "$level"); do key F6; done
    key F2
    # shellcheck disable=SC2086
    wait_players 10 $first || fail "$name did not start with both players on their squares"
    shot "$name-start"

    local step events mode seconds where room snapped
    while IFS='|' read -r step events mode seconds where room snapped; do
        # shellcheck disable=SC2086
        [ -n "$events" ] && xdotool $events 2>/dev/null
        if [ "$mode" = see ]; then
            # shellcheck disable=SC2086
            wait_players "${seconds%.*}" $where ||
                fail "$name, route step $step: the players are not at $where (room $room)"
        else
            sleep "$seconds"
        fi
        [ "$snapped" = 1 ] && snap "$name-room-${room/,/-}-step-$step"
    done <<<"$runs"
    note "$name: both players followed the route to the finish and warped ($(wc -l <<<"$runs") runs of passes)"
    # The last run is the warp: both players stand on the next level's start squares.
    sleep 0.5
    shot "$name-warped"
    keep_snaps
    kill -KILL "$MURK_PID" 2>/dev/null
    wait "$MURK_PID" 2>/dev/null
    MURK_PID=""
}

printf '%s\nUp 38 Down 40 Left 37 Right 39 Ctrl 17 Shift 16 \nT 84 G 71 F 70 H 72 Z 90 A 65 \nOn\n' \
    "$SPEED" >Options.dat
for level in "${LEVELS[@]}"; do play_level "$level"; done
echo "playthrough: ${#LEVELS[@]} levels played to the warp by two players"
