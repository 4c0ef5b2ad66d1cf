# Helpers for driving the real murk under Xvfb: start and stop, windows, boxes, keys, screenshots.
# Sourced by scenarios.sh. Expects SCENARIO, SHOTS (screenshot folder), TOOLS (holds wmclose),
# SCREEN_W and SCREEN_H in the environment; every wait is bounded so a failure reports itself.
# shellcheck shell=bash
: "${SCENARIO:?}" "${SHOTS:?}" "${TOOLS:?}" "${SCREEN_W:?}" "${SCREEN_H:?}"

MURK_PID=""

note() { echo "    $SCENARIO: $*"; }

fail() {
    echo "    $SCENARIO: FAILED: $*"
    xwininfo -root -tree 2>/dev/null | grep '"Murk"' | sed "s/^ */    $SCENARIO: window /"
    [ -n "$MURK_PID" ] && kill -0 "$MURK_PID" 2>/dev/null && echo "    $SCENARIO: murk still runs"
    /usr/bin/import -window root "$SHOTS/$SCENARIO-at-failure.png" 2>/dev/null &&
        echo "$SHOTS/$SCENARIO-at-failure.png" >>"$SHOTS/index.txt"
    exit 1
}

# Kill a murk we started that is still running (for instance sitting in a message box).
stop_leftover_murk() {
    if [ -n "$MURK_PID" ] && kill -0 "$MURK_PID" 2>/dev/null; then kill -KILL "$MURK_PID"; fi
}
trap stop_leftover_murk EXIT

# Starts ./murk (or the program $MURK names) in the current folder, with the words in MURK_ARGS;
# its output goes to murk.log there (or to $MURK_LOG).
start_murk() {
    # shellcheck disable=SC2086 # MURK_ARGS holds words
    SDL_AUDIODRIVER=dummy "${MURK:-./murk}" ${MURK_ARGS:-} >>"${MURK_LOG:-murk.log}" 2>&1 &
    MURK_PID=$!
}

# Waits up to $1 seconds for murk to end; sets EXIT_STATUS. Not in a subshell: `wait` needs the child.
wait_exit() {
    local deadline=$((SECONDS + $1))
    while kill -0 "$MURK_PID" 2>/dev/null; do
        [ "$SECONDS" -ge "$deadline" ] && return 1
        sleep 0.1
    done
    wait "$MURK_PID"
    EXIT_STATUS=$?
    MURK_PID=""
    return 0
}

expect_exit_zero() {
    wait_exit "$1" || fail "murk still runs $1 s after $2"
    [ "$EXIT_STATUS" -eq 0 ] || fail "murk exited with status $EXIT_STATUS after $2"
    note "murk exited with status 0 after $2"
}

# The game's own window carries the class "murk"; SDL's message boxes have the same title, no class.
# The game's windows are all named "Murk": the game window is the largest (it covers the screen or
# is made at 1024x768, hidden), message boxes are the others.
murk_windows() {
    xwininfo -root -tree 2>/dev/null |
        awk '/"Murk": \(/ {split($(NF-1), g, /[x+]/); print g[1] * g[2], $1}' | sort -rn
}
game_window() { murk_windows | awk 'NR == 1 {print $2}'; }
box_windows() { murk_windows | awk 'NR > 1 {print $2}'; }
viewable() { xwininfo -id "$1" 2>/dev/null | grep -q 'Map State: IsViewable'; }

game_window_viewable() {
    local w
    w=$(game_window)
    [ -n "$w" ] && viewable "$w"
}

# Prints the id of the shown game window, waiting at least $1 seconds (whole) for it.
wait_game_window() {
    local tries=$(($1 * 10)) w
    while [ $((tries--)) -gt 0 ]; do
        w=$(game_window)
        if [ -n "$w" ] && viewable "$w"; then
            echo "$w"
            return 0
        fi
        sleep 0.1
    done
    return 1
}

# Prints the id of a shown message box, waiting at least $1 seconds (whole) for one.
wait_box() {
    local tries=$(($1 * 10)) w
    while [ $((tries--)) -gt 0 ]; do
        for w in $(box_windows); do
            if viewable "$w"; then
                echo "$w"
                return 0
            fi
        done
        sleep 0.1
    done
    return 1
}

box_gone() { ! viewable "$1"; }

# Waits for a message box, keeps a screenshot of it as $2, answers it with key $1 (Return,
# Escape, y or n) and waits for it to close. The key is sent once: the box that follows at once may
# reuse the closed box's window id, and a second key would answer it unseen.
answer_box() {
    local key=$1 name=$2 box
    box=$(wait_box 10) || fail "no message box appeared (wanted for $name)"
    sleep 0.2
    shot "$name"
    # Through the keyboard, as a person answers: the box takes the keys from every window of the
    # game, whichever has the focus (there is no window manager to give it one).
    xdotool key "$key" 2>/dev/null
    for _ in $(seq 20); do
        box_gone "$box" && break
        sleep 0.1
    done
    note "answered box $name with $key"
}

no_box_for() {
    local b
    if b=$(wait_box "$1"); then fail "unexpected message box $b: $2"; fi
}

# Gives the game window the keyboard focus, as clicking it on a desktop would. Keys then go
# through the X test extension like a real keyboard's: synthetic events sent to a window
# confuse SDL's own record of which keys are held.
focus_game() {
    xdotool windowfocus "$GAME_WID" 2>/dev/null
    for _ in $(seq 20); do
        [ "$(xdotool getwindowfocus 2>/dev/null)" = "$((GAME_WID))" ] && return 0
        sleep 0.1
    done
    fail "the game window does not take the keyboard focus"
}

# Presses and releases key $1.
key() {
    xdotool key "$1" 2>/dev/null
    sleep 0.15
}

# Presses key $1 where the press itself opens a message box, and releases it once the box is up,
# as a person does.
key_opening_box() {
    xdotool keydown "$1" 2>/dev/null
    wait_box 5 >/dev/null || { xdotool keyup "$1"; fail "pressing $1 opened no message box"; }
    xdotool keyup "$1" 2>/dev/null
}

# Closes a window the way a window manager's close button does.
wm_close() { "$TOOLS/wmclose" "$1" || fail "could not send WM_DELETE_WINDOW to $1"; }

# Takes a screenshot of the whole screen into $SHOTS/<scenario>-<name>.png; sets SHOT to its path.
shot() {
    SHOT="$SHOTS/$SCENARIO-$1.png"
    /usr/bin/import -window root "$SHOT" 2>/dev/null || fail "import could not take $SHOT"
    grep -qxF "$SHOT" "$SHOTS/index.txt" 2>/dev/null || echo "$SHOT" >>"$SHOTS/index.txt"
}

# Prints "r,g,b" of pixel ($2,$3) of image $1.
pixel() {
    /usr/bin/convert "$1" -crop "1x1+$2+$3" -depth 8 txt:- 2>/dev/null |
        sed -n 's/^0,0: *(\([0-9]*\),\([0-9]*\),\([0-9]*\).*/\1,\2,\3/p'
}

# Canvas pixel (x,y) on the screen. The 1024x768 picture fills the game window (the whole screen,
# or VIEW="WxH+X+Y" when it is a window) at the largest whole-number scale that fits, centred;
# a window smaller than the picture shows it shrunk to fit in the same shape.
to_screen() {
    local view=${VIEW:-${SCREEN_W}x${SCREEN_H}+0+0}
    awk -v x="$1" -v y="$2" -v view="$view" 'BEGIN {
        split(view, v, /[x+]/); w = v[1]; h = v[2]
        s = int(w / 1024); if (int(h / 768) < s) s = int(h / 768)
        if (s >= 1) { pw = 1024 * s; ph = 768 * s }
        else if (w * 768 <= h * 1024) { pw = w; ph = int(w * 768 / 1024) }
        else { ph = h; pw = int(h * 1024 / 768) }
        printf "%d %d\n", v[3] + int((w - pw) / 2) + int((x + 0.5) * pw / 1024),
            v[4] + int((h - ph) / 2) + int((y + 0.5) * ph / 768) }'
}

# The game window's size and place on the screen, as "WxH+X+Y".
window_geometry() {
    xwininfo -id "$1" 2>/dev/null | awk '/Absolute upper-left X/ {x = $NF} /Absolute upper-left Y/ {y = $NF}
        /^ *Width/ {w = $NF} /^ *Height/ {h = $NF} END {printf "%sx%s+%s+%s\n", w, h, x, y}'
}

# Prints "r,g,b" of canvas pixel ($2,$3) of screenshot $1.
canvas_pixel() {
    local sx sy
    read -r sx sy < <(to_screen "$2" "$3")
    pixel "$1" "$sx" "$sy"
}

# Counts the pixels of colour $2 ("r,g,b") in the screen rectangle $3 (WxH+X+Y) of screenshot $1.
count_colour() {
    /usr/bin/convert "$1" -crop "$3" -depth 8 txt:- 2>/dev/null | grep -c "(${2})" || true
}

# Prints how many pixels of the 32x32 picture at ($2,$3) in screenshot $1 (a 1024x768 screen)
# differ from tile picture $4.
picture_diff() {
    local bmps=(Objects/"$4"-*.bmp) bmp
    bmp=${bmps[0]}
    [ -f "$bmp" ] || { echo "no-picture-for-$4"; return; }
    /usr/bin/convert "$1" -crop "32x32+$2+$3" +repage square.png
    /usr/bin/compare -metric AE square.png "$bmp" null: 2>&1 | awk '{print $1}'
}

# The same for room square ($2,$3): square (c,r) covers pixels 32c..32c+31, 32r..32r+31.
square_diff() { picture_diff "$1" $(($2 * 32)) $(($3 * 32)) "$4"; }

square_is() { [ "$(square_diff "$SHOT" "$1" "$2" "$3")" = "0" ]; }

# The tile code at square ($1,$2) of level 0's start room in a fresh game for $3 players,
# as the headless simulator beside the game sees it.
room_code() {
    printf 'players %s\nstart\ndump\n' "$3" | ./murk-sim 2>/dev/null |
        awk -v c="$1" -v r="$2" '/^grid$/ {row = 1; next} row && row++ == r {print $c; exit}'
}

# Takes screenshots until "$@" succeeds on the newest (its path in SHOT), for up to $1 seconds;
# the last one is kept as $2.
wait_screen() {
    local secs=$1 name=$2 deadline
    shift 2
    deadline=$((SECONDS + secs))
    while :; do
        shot "$name"
        "$@" && { note "$* holds in $SHOT"; return 0; }
        [ "$SECONDS" -ge "$deadline" ] && fail "after ${secs} s, not $* (see $SHOT)"
        sleep 0.2
    done
}

# Ends the scenario as skipped (run.sh reports it and does not count it as a failure).
skip() {
    echo "    $SCENARIO: SKIPPED: $*"
    exit 77
}

# Prints the pixel-by-pixel difference count of screen rectangle $3 (WxH+X+Y) between
# screenshots $1 and $2.
area_diff() {
    /usr/bin/convert "$1" -crop "$3" +repage a.png && /usr/bin/convert "$2" -crop "$3" +repage b.png &&
        /usr/bin/compare -metric AE a.png b.png null: 2>&1 | awk '{print $1}'
}

areas_same() { [ "$(area_diff "$@")" = 0 ]; }

# Prints a room row: edge wall, then $1 over floor, then edge wall at column 30.
room_row() {
    local inner="$1............................."
    echo "X${inner:0:28}X"
}

# Compiles a one-room level into Levels/Level000.dat, so a new game starts in it. $1 is the
# title, $2..$5 the players' start squares, then pairs of a row number (2..18) and that row's
# squares from column 2 on; other rows are open floor inside the edge walls. Skips the
# scenario when the build has no levelc.
install_room() {
    [ -x "${LEVELC:-}" ] || skip "no level compiler at ${LEVELC:-(not given)}"
    local rows=() r
    printf 'title %s\nsize 1 1\nstart 1 1\nplayer1 %s %s\nplayer2 %s %s\nroom 1 1\n' "${@:1:5}" >room.lvl
    shift 5
    while [ $# -ge 2 ]; do rows[$1]=$2; shift 2; done
    {
        echo XXXXXXXXXXXXXXXXXXXXXXXXXXXXXX
        for r in $(seq 2 18); do room_row "${rows[r]:-}"; done
        echo XXXXXXXXXXXXXXXXXXXXXXXXXXXXXX
    } >>room.lvl
    "$LEVELC" room.lvl Levels/Level000.dat || fail "levelc rejected the scenario's room (room.lvl)"
    note "Level000.dat is now the room in room.lvl"
}
