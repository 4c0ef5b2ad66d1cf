#!/usr/bin/env bash
# The end-to-end scenarios: each drives a real murk in the current folder (a fresh copy of the
# game folder) on the X display run.sh started for it. Usage: scenarios.sh SCENARIO-NAME
set -uo pipefail
SCENARIO=$1
# shellcheck source-path=SCRIPTDIR
source "$(dirname "$0")/lib.sh"
readonly ROUTES="$(dirname "$0")/routes"

readonly BACKGROUND="64,32,32" BLACK="0,0,0" GREEN="0,128,0" TEAL="0,128,128"
readonly DEFAULT_OPTIONS="20
Up 38 Down 40 Left 37 Right 39 Ctrl 17 Shift 16 
T 84 G 71 F 70 H 72 Z 90 A 65 
On"

# The menu panel is black at (200,600), over the room's bottom rows; the margin stays background.
menu_shown() {
    [ "$(canvas_pixel "$SHOT" 200 600)" = "$BLACK" ] &&
        [ "$(canvas_pixel "$SHOT" 20 20)" = "$BACKGROUND" ]
}

# The options panel (132,84 .. 892,684) is black where the main window shows background.
options_shown() {
    [ "$(canvas_pixel "$SHOT" 140 100)" = "$BLACK" ] && [ "$(canvas_pixel "$SHOT" 20 20)" = "$BACKGROUND" ]
}

# Level 0's start room is drawn square for square: the corner, a wall under where the menu
# stood, and the players' squares (an absent player 2's tile is drawn as floor).
room_shown() {
    local players=$1
    square_is 1 1 "$(room_code 1 1 "$players")" &&
        square_is 6 19 "$(room_code 6 19 "$players")" &&
        square_is 4 9 A46 &&
        if [ "$players" = 2 ]; then square_is 4 11 A47; else square_is 4 11 A00; fi
}

panel_colour_count() {
    local x=$((32 + 480 * ($1 - 1)))
    count_colour "$SHOT" "$2" "480x110+$x+641"
}

panels_shown() {
    [ "$(panel_colour_count 1 "$GREEN")" -gt 0 ] || return 1
    if [ "$1" = 2 ]; then
        [ "$(panel_colour_count 2 "$TEAL")" -gt 0 ]
    else
        [ "$(panel_colour_count 2 "$BACKGROUND")" -eq $((480 * 110)) ]
    fi
}

playing() { room_shown "$1" && panels_shown "$1"; }

expect_options_file() {
    [ -f Options.dat ] || fail "Options.dat was not written"
    [ "$(cat Options.dat)" = "$1" ] || fail "Options.dat holds: $(cat Options.dat)"
    note "Options.dat holds what it should"
}

expect_no_options_file() {
    [ -e Options.dat ] && fail "Options.dat was written: $(cat Options.dat)"
    note "no Options.dat"
}

start_to_menu() {
    start_murk
    GAME_WID=$(wait_game_window 10) || fail "the game window did not show"
    focus_game
    wait_screen 5 "${1:-menu}" menu_shown
}

quit_from_menu() {
    key Escape
    answer_box Return "${1:-quit-question}"
    expect_exit_zero 5 "Escape and Yes in the menu"
}

# Waits up to $1 seconds for murk to end, failing if its window shows meanwhile.
expect_exit_without_window() {
    local deadline=$((SECONDS + $1))
    while kill -0 "$MURK_PID" 2>/dev/null; do
        game_window_viewable && fail "the game window showed ($2)"
        [ "$SECONDS" -ge "$deadline" ] && fail "murk still runs $1 s after $2"
        sleep 0.1
    done
    wait_exit 1
    note "murk exited with status $EXIT_STATUS after $2, its window never shown"
}

box_before_window() {
    local box
    box=$(wait_box 10) || fail "no message box at start-up"
    game_window_viewable && fail "the game window is shown behind the start-up box"
    note "box $box is up while the game window is still hidden"
}

# At the display's own 1024x768 nothing is asked; the window manager's close ends the program.
scenario_close_window() {
    start_to_menu menu
    no_box_for 1 "nothing should be asked at 1024x768"
    wm_close "$GAME_WID"
    expect_exit_zero 5 "WM_DELETE_WINDOW"
    expect_options_file "$DEFAULT_OPTIONS"
}

# A termination request (as a desktop sends at log-out) while a box waits for an answer ends the
# game within a second, saving as a close does.
scenario_term_in_box() {
    start_to_menu menu
    start_game one-player-game 1
    key_opening_box Escape
    shot abort-question-before-term
    kill -TERM "$MURK_PID"
    # A second in tenths: wait_exit counts whole seconds, which may leave a few milliseconds.
    local tenths=0
    while kill -0 "$MURK_PID" 2>/dev/null && [ $tenths -lt 10 ]; do
        sleep 0.1
        tenths=$((tenths + 1))
    done
    wait_exit 5 || fail "murk still runs 5 s after SIGTERM with a box open"
    [ "$EXIT_STATUS" -eq 0 ] || fail "murk exited with status $EXIT_STATUS after SIGTERM"
    [ $tenths -lt 10 ] || fail "murk took more than a second to end after SIGTERM with a box open"
    note "murk ended within $tenths tenths of a second of SIGTERM with a box open"
    expect_options_file "$DEFAULT_OPTIONS"
}

# Any other display size brings the resolution question first; OK leads on to the menu.
scenario_resolution_ok() {
    start_murk
    box_before_window
    answer_box Return resolution-question
    GAME_WID=$(wait_game_window 10) || fail "the game window did not show after OK"
    focus_game
    wait_screen 5 menu-letterboxed menu_shown
    quit_from_menu
    expect_options_file "$DEFAULT_OPTIONS"
}

scenario_resolution_cancel() {
    start_murk
    box_before_window
    answer_box Escape resolution-question
    expect_exit_without_window 5 "Cancel on the resolution question"
    expect_no_options_file
}

scenario_no_levels() {
    rm -rf Levels
    start_murk
    box_before_window
    answer_box Return no-levels-error
    expect_exit_without_window 5 "the no-levels error"
    expect_no_options_file
}

scenario_missing_tile() {
    rm -f Objects/Z-SlideField.bmp
    start_murk
    box_before_window
    answer_box Return missing-tile-exception
    local first=$SHOT
    answer_box Return missing-tile-objects-error
    [ "$(/usr/bin/compare -metric AE "$first" "$SHOT" null: 2>&1 | awk '{print $1}')" != 0 ] ||
        fail "the same box showed twice instead of the load error and then the objects error"
    expect_exit_without_window 5 "the objects error"
    expect_no_options_file
}

start_game() {
    key F2
    wait_screen 10 "$1" playing "$2"
}

# Escape in play and Yes on the abort question (Return, or key $2); the menu comes back.
abort_game() {
    key_opening_box Escape
    answer_box "${2:-Return}" "$1"
    wait_screen 5 "$1-menu" menu_shown
}

# The Escape held while the abort question opens must not reach the menu once it is back.
no_quit_question_after_abort() {
    no_box_for 2 "after Yes on the abort question (the Escape release reached the menu)"
    shot menu-still-quiet
    menu_shown || fail "the menu went away after the abort (see $SHOT)"
}

scenario_play() {
    start_to_menu menu
    start_game one-player-game 1
    abort_game abort-question

    key F7
    start_game two-player-game 2
    # N and Y answer the question from the keyboard, as Escape and Return do.
    key_opening_box Escape
    answer_box n abort-question-no
    sleep 0.5
    shot still-playing
    playing 2 || fail "the game did not go on after N on the abort question (see $SHOT)"
    menu_shown && fail "the menu shows after N on the abort question (see $SHOT)"
    note "still playing after N"
    key_opening_box Escape
    answer_box Escape abort-question-escape
    sleep 0.5
    shot still-playing-after-escape
    playing 2 || fail "the game did not go on after Escape on the abort question (see $SHOT)"
    abort_game abort-question-yes y
    quit_from_menu
}

# The room of the aborted game stays where the menu does not cover it (the corner, player 1):
# the question's box closing over the window must not clear it.
room_kept_beside_menu() {
    square_is 1 1 "$(room_code 1 1 1)" && square_is 4 9 A46
}

scenario_abort_to_quiet_menu() {
    start_to_menu menu
    start_game one-player-game 1
    abort_game abort-question
    no_quit_question_after_abort
    room_kept_beside_menu || fail "the room was cleared after Yes on the abort question (see $SHOT)"
    note "the room stays beside the menu"
    quit_from_menu
}

readonly P2_FIRE_EDIT_X=$((132 + 420 + 100 + 90)) P2_FIRE_EDIT_Y=$((84 + 134 + 4 * 44 + 17))

# The player 2 fire edit as shown, for comparing the option read back with the one set.
crop_fire_edit() {
    /usr/bin/convert "$SHOT" -crop "170x28+$((P2_FIRE_EDIT_X - 85))+$((P2_FIRE_EDIT_Y - 14))" +repage "$1"
}

open_options_and_click_fire_edit() {
    key F10
    wait_screen 5 "$1" options_shown
    xdotool mousemove "$P2_FIRE_EDIT_X" "$P2_FIRE_EDIT_Y" click 1
    sleep 0.3
    shot "$1-fire-edit-clicked"
}

leave_options() {
    key Escape
    wait_screen 5 "$1" menu_shown
}

scenario_options() {
    start_to_menu menu
    open_options_and_click_fire_edit options
    crop_fire_edit edit-z.png
    key q
    shot options-fire-edit-q
    crop_fire_edit edit-q.png
    cmp -s edit-z.png edit-q.png && fail "releasing Q in the fire edit changed nothing on screen"
    leave_options menu-after-options
    quit_from_menu
    expect_options_file "${DEFAULT_OPTIONS/Z 90/Q 81}"

    start_to_menu menu-second-run
    open_options_and_click_fire_edit options-read-back
    crop_fire_edit edit-read-back.png
    [ "$(/usr/bin/compare -metric AE edit-q.png edit-read-back.png null: 2>&1 | awk '{print $1}')" = 0 ] ||
        fail "the fire edit read back from Options.dat differs from the one set (see $SHOT)"
    note "the fire edit shows the key read back from Options.dat"
    leave_options menu-after-options-second-run
    quit_from_menu quit-question-second-run
    expect_options_file "${DEFAULT_OPTIONS/Z 90/Q 81}"
}

# Prints a little-endian number of $3 bytes at offset $2 of file $1.
bmp_field() { od -An -tu"$3" -j "$2" -N "$3" "$1" | tr -d ' '; }

expect_capture() {
    local file=$1 deadline=$((SECONDS + 5))
    while [ ! -s "$file" ] && [ "$SECONDS" -lt "$deadline" ]; do sleep 0.1; done
    [ -s "$file" ] || fail "$file was not written"
    sleep 0.3
    [ "$(head -c 2 "$file")" = BM ] || fail "$file is not a bitmap file"
    [ "$(bmp_field "$file" 28 2)" = 24 ] || fail "$file has $(bmp_field "$file" 28 2) bits per pixel"
    [ "$(bmp_field "$file" 18 4)x$(bmp_field "$file" 22 4)" = 1024x768 ] ||
        fail "$file is $(bmp_field "$file" 18 4)x$(bmp_field "$file" 22 4)"
    local diff
    diff=$(/usr/bin/compare -metric AE "$file" "$SHOT" null: 2>&1 | awk '{print $1}')
    [ "$diff" = 0 ] || fail "$file differs from the screen in $diff pixels"
    /usr/bin/convert "$file" "$SHOTS/$SCENARIO-$(basename "$file" .bmp).png"
    echo "$SHOTS/$SCENARIO-$(basename "$file" .bmp).png" >>"$SHOTS/index.txt"
    note "$file: 24-bit 1024x768, the same picture as the screen"
}

# The screen shows the canvas as the game last drew it, pixel for pixel: nothing drawn over or
# away stays on the screen (a player's trail, a banner gone), though only what changed is
# presented. A capture of the canvas, then a screenshot; tried again where the game drew between.
screen_is_canvas() {
    local file diff
    for _ in 1 2 3; do
        file=$(printf 'Capture%03d.bmp' "$(find . -maxdepth 1 -name 'Capture*.bmp' | wc -l)")
        key Print
        local deadline=$((SECONDS + 5))
        while [ ! -s "$file" ] && [ "$SECONDS" -lt "$deadline" ]; do sleep 0.1; done
        [ -s "$file" ] || fail "$file was not written"
        shot "$1"
        diff=$(/usr/bin/compare -metric AE "$file" "$SHOT" null: 2>&1 | awk '{print $1}')
        [ "$diff" = 0 ] && { note "the screen is the canvas in $SHOT"; return 0; }
        /usr/bin/convert "$file" "$SHOTS/$SCENARIO-$1-canvas.png"
    done
    fail "the screen differs from the canvas in $diff pixels (see $SHOT and its -canvas.png)"
}

scenario_capture() {
    start_to_menu menu
    key Print
    expect_capture Capture000.bmp
    key Print
    expect_capture Capture001.bmp
    [ -e Capture002.bmp ] && fail "one press wrote two captures"
    quit_from_menu
}

readonly TITLE_BLUE="0,0,255" FRAME="110,60,60" LIME="0,255,0"

# Secondary windows are black from edge to edge, with a blue title at the top centre.
window_with_title() {
    [ "$(canvas_pixel "$SHOT" 20 20)" = "$BLACK" ] &&
        [ "$(count_colour "$SHOT" "$TITLE_BLUE" "400x50+312+$1")" -gt 200 ]
}

# The high-score table: the rule under the column heads, and its last line (lime) filled in.
scores_shown() {
    window_with_title 30 && [ "$(canvas_pixel "$SHOT" 512 126)" = "$FRAME" ] &&
        [ "$(count_colour "$SHOT" "$LIME" "760x32+132+614")" -gt 100 ]
}

scenario_scores() {
    start_to_menu menu
    key F11
    wait_screen 5 scores scores_shown
    key Print
    expect_capture Capture000.bmp
    key Escape
    wait_screen 5 menu-after-scores menu_shown
    quit_from_menu
}

# Page N's first tile picture (pages 2 to 4) sits at the left of its first line.
readonly HELP_FIRST_TILES=(none none A32 A10 A30)

help_page_shown() {
    window_with_title 20 || return 1
    [ "$1" = 1 ] || [ "$(picture_diff "$SHOT" 132 84 "${HELP_FIRST_TILES[$1]}")" = 0 ]
}

same_picture() { [ "$(/usr/bin/compare -metric AE "$1" "$2" null: 2>&1 | awk '{print $1}')" = 0 ]; }
shows() { same_picture "$1" "$SHOT"; }

scenario_help() {
    start_to_menu menu
    key F12
    wait_screen 5 page-1 help_page_shown 1
    local pages=("$SHOT") page other
    for page in 2 3 4; do
        key n
        wait_screen 5 "page-$page" help_page_shown "$page"
        pages+=("$SHOT")
    done
    for page in 0 1 2; do
        for other in $(seq $((page + 1)) 3); do
            same_picture "${pages[page]}" "${pages[other]}" &&
                fail "help pages $((page + 1)) and $((other + 1)) look the same"
        done
    done
    note "the four pages differ"
    key n
    wait_screen 5 page-1-again shows "${pages[0]}"
    key Return
    sleep 0.3
    shot page-1-after-enter
    shows "${pages[0]}" || fail "Enter changed the help window (see $SHOT)"
    note "Enter leaves the help window as it was"

    # The page left open is the one the next opening shows.
    key n
    wait_screen 5 page-2-again shows "${pages[1]}"
    key Escape
    wait_screen 5 menu-after-help menu_shown
    key F12
    wait_screen 5 page-2-reopened shows "${pages[1]}"
    key Escape
    wait_screen 5 menu-after-help-again menu_shown
    quit_from_menu
}

readonly P1_POINTS_AREA="200x28+300+642" P1_STATUS_AREA="400x28+32+722"

# Key $1 goes down and stays down while the player walks; release it with `xdotool keyup`.
hold() { xdotool keydown "$1" 2>/dev/null; }

gold_ahead() { square_is 4 9 A46 && square_is 6 9 A37; }
gold_taken() { square_is 6 9 A00 && square_is 7 9 A46; }
area_changed() { ! areas_same "$1" "$SHOT" "$2"; }

# Player 1 stands two squares west of a gold sack, a wall one square beyond it.
scenario_walk() {
    install_room "Gold Ahead" 4 9 4 11 9 '..1.$.#' 11 '..2'
    start_to_menu menu
    key F2
    wait_screen 10 before-walk gold_ahead
    local before=$SHOT
    hold Right
    wait_screen 5 after-walk gold_taken
    xdotool keyup Right
    wait_screen 3 points-changed area_changed "$before" "$P1_POINTS_AREA"
    screen_is_canvas after-walk-stale
    abort_game abort-question
    quit_from_menu
}

# Two players through a whole level along a route file (tests/e2e/routes/). Each line holds the
# keys ("1:W"; "2:N+E", a diagonal; "12:E", both players; "2:F+S+E", fire south-east standing;
# "1:W,2:N", two moves at once) and the squares that must show before they are let go, as
# CODE@COL,ROW, or WARP@P once player P has reached the finish. Every leg ends against a wall
# or the partner, so holding the keys longer than the walk takes changes nothing, and a
# creature that holds a walk up only delays it: screenshots start each next leg, not a clock.
readonly -A ROUTE_KEYS=([1N]=Up [1S]=Down [1W]=Left [1E]=Right [1F]=Control_L
    [2N]=t [2S]=g [2W]=f [2E]=h [2F]=z)
readonly P_STATUS_AREAS=(none "$P1_STATUS_AREA" "400x28+512+722") TITLE_AREA="600x30+212+0"

# The X keys of a leg's moves ("PLAYERS:DIRECTIONS", several joined by commas), a diagonal's
# two keys in the order written. A player on the test pad (PAD_PLAYER) has none.
leg_keys() {
    local move players dirs p d
    for move in ${1//,/ }; do
        players=${move%%:*} dirs=${move#*:}
        for p in $(echo "$players" | grep -o .); do
            [ "$p" = "${PAD_PLAYER:-}" ] && continue
            for d in ${dirs//+/ }; do echo "${ROUTE_KEYS[$p$d]}"; done
        done
    done
}

# The test pad's lines ($1: press or release) for the moves of a leg ($2) of the player on the
# pad: a straight walk on the d-pad, a diagonal on the stick, F the fire button (down first, up
# last, as the keys). Lines appended together reach the game together.
readonly -A PAD_DPAD=([N]=dpup [S]=dpdown [W]=dpleft [E]=dpright)
readonly -A STICK_X=([N]=0 [S]=0 [W]=-32767 [E]=32767) STICK_Y=([N]=-32767 [S]=32767 [W]=0 [E]=0)
pad_lines() {
    local how=$1 move players dirs d x=0 y=0 n=0 dpad="" fire=""
    for move in ${2//,/ }; do
        players=${move%%:*} dirs=${move#*:}
        [[ "$players" == *"${PAD_PLAYER:-none}"* ]] || continue
        for d in ${dirs//+/ }; do
            if [ "$d" = F ]; then
                fire=a
            else
                dpad=${PAD_DPAD[$d]} x=$((x + STICK_X[$d])) y=$((y + STICK_Y[$d])) n=$((n + 1))
            fi
        done
    done
    if [ "$how" = press ]; then
        [ -n "$fire" ] && echo "press a"
        if [ "$n" -eq 1 ]; then echo "press $dpad"; elif [ "$n" -eq 2 ]; then echo "stick $x $y"; fi
    else
        if [ "$n" -eq 1 ]; then echo "release $dpad"; elif [ "$n" -eq 2 ]; then echo "stick 0 0"; fi
        [ -n "$fire" ] && echo "release a"
    fi
    return 0
}

# Appends lines to the test pad's file in one write (the game reads them together).
pad() { printf '%s\n' "$@" >>"$PAD_FILE"; }

# CODE@COL,ROW shows that tile; WARP@P: player P's status line differs from LEG_START's.
route_check() {
    local what=${1%@*} where=${1#*@}
    if [ "$what" = WARP ]; then
        area_changed "$LEG_START" "${P_STATUS_AREAS[where]}"
    else
        square_is "${where%,*}" "${where#*,}" "$what"
    fi
}

route_checks() {
    local c
    for c; do route_check "$c" || return 1; done
}

# Keeps the screenshot in SHOT as $SHOTS/<scenario>-<name>.png.
keep_shot() {
    /usr/bin/convert "$SHOT" "$SHOTS/$SCENARIO-$1.png" || fail "cannot keep $SHOT as $1"
    echo "$SHOTS/$SCENARIO-$1.png" >>"$SHOTS/index.txt"
}

# Screenshots until the squares "$@" show, for up to 15 s. A leg's screenshots are bitmaps,
# four times quicker to write than PNG, so a walk is seen soon after it ends.
wait_leg() {
    local deadline=$((SECONDS + 15)) t0=$EPOCHREALTIME
    SHOT=leg.bmp
    until /usr/bin/import -window root "$SHOT" 2>/dev/null && route_checks "$@"; do
        [ "$SECONDS" -ge "$deadline" ] && { keep_shot "leg-$n-last"; fail "leg $n: after 15 s, not $*"; }
        sleep 0.05
    done
    note "leg $n: $* after $(echo "$EPOCHREALTIME - $t0" | bc) s"
}

# Holds the leg's keys until its squares show. The keys go down together (xkeys): a pass of the
# game between a diagonal's two keys would walk a square the straight way. A leg that reaches
# the finish first takes a screenshot of the status line, to see WARP come; the screenshots of
# room changes and finishes are kept under the leg's number.
route_leg() {
    local n=$1 move=$2 keys rkeys=() k
    shift 2
    if [[ "$*" == *WARP* ]]; then
        /usr/bin/import -window root leg-start.bmp || fail "import could not take leg-start.bmp"
        LEG_START=leg-start.bmp
    fi
    mapfile -t keys < <(leg_keys "$move")
    if [ ${#keys[@]} -gt 0 ]; then "$TOOLS/xkeys" down "${keys[@]}" || fail "cannot press ${keys[*]}"; fi
    [ -n "${PAD_PLAYER:-}" ] && pad_lines press "$move" >>"$PAD_FILE"
    wait_leg "$@"
    # Let go in the opposite order: fire last, so the directions held with it walk no step.
    for ((k = ${#keys[@]} - 1; k >= 0; k--)); do rkeys+=("${keys[k]}"); done
    [ -n "${PAD_PLAYER:-}" ] && pad_lines release "$move" >>"$PAD_FILE"
    if [ ${#rkeys[@]} -gt 0 ]; then "$TOOLS/xkeys" up "${rkeys[@]}" || fail "cannot release ${rkeys[*]}"; fi
    [[ "$*" == *WARP* || "$move" == 12:* ]] && keep_shot "leg-$n"
}

# The game played was recorded (murk --journal) and wrote its state at exit: murk-sim replays
# the journal headless in an empty folder (the journal holds every file the game read) and must
# end in the same state, writing nothing there; --verify says it verified.
expect_replay_same() {
    [ -s at-exit.dump ] || fail "murk wrote no state at exit (MURK_DUMP_AT_EXIT)"
    note "journal: $(wc -l <play.journal) lines, $(grep -c '^e ' play.journal) events"
    mkdir -p empty
    (cd empty && ../murk-sim --replay ../play.journal) >replay.out 2>&1
    local rc=$?
    [ -z "$(ls -A empty)" ] || fail "the replay wrote files: $(ls -A empty)"
    (cd empty && ../murk-sim --verify ../play.journal) | grep -qx '../play.journal: verified' ||
        fail "murk-sim --verify does not verify the journal"
    sed -n '/^state /,$p' replay.out >replayed.dump
    if [ "$rc" -ne 0 ] || ! cmp -s at-exit.dump replayed.dump; then
        sed '/^state /,$d' replay.out | grep -v '^sound ' | sed 's/^/    replay: /'
        diff at-exit.dump replayed.dump | head -20 | sed 's/^/    diff: /'
        fail "the replay (status $rc) does not end in the state the game ended in"
    fi
    note "murk-sim --replay ends in the state murk wrote at exit: $(head -1 at-exit.dump)"
}

# Chooses the route's level in the menu (F6 steps up from level 0), turns on the second
# player, plays the route and waits for the next level's start room after the warp. The route's
# level and the one after it are sources of their own beside it (LevelNNN.lvl), compiled over the
# shipped levels of those numbers, so the shipped set can change without moving the route. The game is recorded, and its
# journal replayed at the end (expect_replay_same).
play_route() {
    local route=$ROUTES/$1 n=0 word rest level speed
    [ -f "$route" ] || fail "no route file $route"
    [ -x "${LEVELC:-}" ] || skip "no level compiler at ${LEVELC:-(not given)}"
    level=$(awk '$1 == "level" {print $2}' "$route")
    local number source
    for number in "$level" $((level + 1)); do
        source=$ROUTES/$(printf 'Level%03d.lvl' "$number")
        [ -f "$source" ] || fail "no level source $source for the route"
        "$LEVELC" "$source" "Levels/$(basename "${source%.lvl}").dat" ||
            fail "levelc rejected the route's level $source"
    done
    MURK_ARGS="--journal play.journal"
    export MURK_DUMP_AT_EXIT=at-exit.dump
    # The game's speed setting (milliseconds of rest per pass, 20 unless the route says).
    speed=$(awk '$1 == "speed" {print $2}' "$route")
    echo "${speed:-20}${DEFAULT_OPTIONS#20}" >Options.dat
    start_to_menu menu
    # A held key's repeats would start player 2 walking again after a room change. The server
    # forgets the setting when its last client leaves, so it is made once the game is up.
    "$TOOLS/keyrepeat" off || fail "cannot turn the key auto-repeat off"
    [ -n "${ROUTE_SETUP:-}" ] && "$ROUTE_SETUP"
    for _ in $(seq "$level"); do key F6; done
    key F7
    key F2
    while read -r word rest; do
        case $word in
            '' | '#'*) ;;
            level | speed) ;;
            start)
                # Quick: the creatures set off with the game and the first leg must not lag.
                wait_leg $rest
                keep_shot start
                cp "$SHOT" start.bmp
                ;;
            next)
                wait_screen 10 next-level route_checks $rest
                area_changed start.bmp "$TITLE_AREA" || fail "the level title did not change (see $SHOT)"
                ;;
            *) route_leg $((++n)) "$word" $rest ;;
        esac
    done <"$route"
    note "both players reached the finish after $n legs; the next level shows"
    "${ROUTE_ABORT:-abort_game}" abort-question
    quit_from_menu
    expect_replay_same
}

scenario_two_players_level0() { play_route Level000.route; }

# The pad window over the options window (560 x 404, centred): the first pad's player box shows
# "Player 1" in green or "Player 2" in teal.
readonly PAD_ROW_PLAYER="150x34+612+276"
pad_row_plays() {
    local colour=$GREEN
    [ "$1" = 2 ] && colour=$TEAL
    [ "$(count_colour "$SHOT" "$colour" "$PAD_ROW_PLAYER")" -gt 20 ]
}
# Its frame's left edge, at x = 232, lies over the options window's black panel.
pad_window_gone() { options_shown && [ "$(canvas_pixel "$SHOT" 233 300)" = "$BLACK" ]; }

# In the options window's pad window (F9), right on the pad gives it to player 2; leaving the
# window writes Pads.dat.
give_pad_to_player2() {
    key F10
    wait_screen 5 pad-options options_shown
    key F9
    wait_screen 5 pad-window pad_row_plays 1
    pad "press dpright"
    sleep 0.2  # lines read together would be let go before the game saw the press
    pad "release dpright"
    wait_screen 5 pad-window-player-2 pad_row_plays 2
    key Escape
    wait_screen 5 pad-window-left pad_window_gone
    grep -q "^pad [0-9a-f]\{32\} 1 2 Murk test pad$" Pads.dat ||
        fail "Pads.dat does not give the pad to player 2: $(cat Pads.dat 2>&1)"
    note "Pads.dat: $(grep '^pad' Pads.dat)"
    key Escape
    wait_screen 5 pad-menu menu_shown
}

# Start on the pad asks whether to abort, and A answers Yes; Start let go meanwhile does not
# reach the menu (as Escape's quit question).
pad_abort_game() {
    pad "press start"
    wait_box 5 >/dev/null || fail "Start on the pad opened no abort question"
    pad "release start"
    sleep 0.3
    shot "$1"
    pad "press a"
    sleep 0.3
    pad "release a"
    wait_screen 5 "$1-menu" menu_shown
    no_quit_question_after_abort
}

# Player 2 on a game pad (SDL's virtual joystick, the test pad), player 1 on the keyboard, through
# level 0 to the warp; the journal of the game, pad and all, replays to the same state.
scenario_pad_two_players_level0() {
    PAD_FILE=$PWD/pad.txt
    : >"$PAD_FILE"
    export MURK_TEST_PAD=$PAD_FILE
    PAD_PLAYER=2 ROUTE_SETUP=give_pad_to_player2 ROUTE_ABORT=pad_abort_game
    play_route Level000.route
    grep -q "^e [0-9]* pdown" play.journal || fail "the journal holds no pad presses"
}
scenario_two_players_level1() { play_route Level001.route; }
scenario_two_players_level4() { play_route Level004.route; }

# Seconds since the epoch, with fractions.
now() { date +%s.%N; }

beside_death_field() { square_is 4 9 A46 && square_is 5 9 A30; }

# Player 1 is gone from its square, the death field stays, and the status line has changed.
player_1_died() { square_is 4 9 A00 && square_is 5 9 A30 && area_changed "$1" "$P1_STATUS_AREA"; }

# Holds Right until player 1 has walked into the death field east of column 4, row 9;
# then the table must come 3.1 s later (allowing for the screenshots' pace).
walk_into_death_field() {
    wait_screen 10 before-death beside_death_field
    hold Right
    wait_screen 5 dead player_1_died "$SHOT"
    xdotool keyup Right
    DIED_AT=$(now)
}

expect_table_after_game_over() {
    wait_screen 8 "$1" scores_shown
    local waited
    waited=$(echo "$(now) - $DIED_AT" | bc)
    note "table shown $waited s after the death was seen"
    # The death is seen through screenshots, which lag on a loaded machine: the lower bound
    # only tells a delay of about 3.1 s from none at all.
    [ "$(echo "$waited >= 1.5 && $waited <= 4.5" | bc)" = 1 ] ||
        fail "the table came $waited s after the death, not about 3.1 s"
}

# Player 1 stands west of a death field with nothing to pick up: a score of 0 earns no place.
scenario_game_over() {
    install_room "Death Ahead" 4 9 4 11 9 '..1!' 11 '..2'
    cp HighScores.dat delivered-scores.dat
    start_to_menu menu
    key F2
    walk_into_death_field
    expect_table_after_game_over scores-after-game
    cmp -s HighScores.dat delivered-scores.dat || fail "HighScores.dat changed: $(cat HighScores.dat)"
    note "nothing asked, HighScores.dat as delivered"
    key Escape
    wait_screen 5 menu-after-scores menu_shown
    quit_from_menu
}

# Prints the text of cell (column $2, row $3) of grid file $1: each cell is its length, a
# space, the text and a space, so texts may hold spaces.
table_cell() {
    awk -v col="$2" -v row="$3" 'NR == row + 5 {
        s = $0
        for (c = 0; c <= col; c++) {
            n = substr(s, 1, index(s, " ") - 1) + 0
            text = substr(s, index(s, " ") + 1, n)
            s = substr(s, index(s, " ") + n + 2)
        }
        print text; exit }' "$1"
}

player_1_at() { square_is "$1" "$2" A46; }

name_dialog_shown() {
    [ "$(canvas_pixel "$SHOT" 20 20)" = "$BLACK" ] &&
        [ "$(canvas_pixel "$SHOT" 271 400)" = "$FRAME" ] &&
        [ "$(count_colour "$SHOT" "$TITLE_BLUE" "400x44+312+213")" -gt 200 ]
}

# Line $1 (1 to 15) of the high-score table on the screen.
table_line_area() { echo "760x32+132+$((138 + ($1 - 1) * 34))"; }

# Player 1 walks over a row of gold sacks worth just more than the last shown place, into a
# death field: the name dialog asks, and the typed name lands in the table and the file.
scenario_game_over_name() {
    local last sacks score place line name="Tess Tester"
    last=$(table_cell HighScores.dat 3 15)
    sacks=$((last / 100 + 1))
    score=$((sacks * 100))
    [ "$sacks" -le 25 ] || fail "the last place's $last points need more gold than a room row holds"
    for place in $(seq 15); do
        [ "$(table_cell HighScores.dat 3 "$place")" -lt "$score" ] && break
    done
    note "$sacks gold sacks, $score points, should take place $place"
    install_room "Gold Then Death" 2 9 2 11 9 "$(printf '1%*s!' "$sacks" '' | tr ' ' '$')" 11 '2'

    start_to_menu menu
    key F11
    wait_screen 5 scores-before scores_shown
    local before=$SHOT
    key Escape
    wait_screen 5 menu-before-game menu_shown
    key F2
    wait_screen 10 before-gold player_1_at 2 9
    hold Right
    wait_screen 10 name-dialog name_dialog_shown
    xdotool keyup Right
    xdotool type --delay 60 "$name" 2>/dev/null
    sleep 0.3
    shot name-typed
    key Return
    wait_screen 8 scores-after-game scores_shown
    sleep 0.5
    shot scores-still-shown
    scores_shown || fail "the high-score window went away after Enter in the name dialog (see $SHOT)"
    for line in $(seq $((place - 1))); do
        areas_same "$before" "$SHOT" "$(table_line_area "$line")" ||
            fail "line $line of the table changed (see $before and $SHOT)"
    done
    areas_same "$before" "$SHOT" "$(table_line_area "$place")" &&
        fail "line $place of the table still shows what it did before the game (see $SHOT)"
    note "the table changed from line $place on"
    [ "$(table_cell HighScores.dat 2 "$place")" = "$name" ] &&
        [ "$(table_cell HighScores.dat 3 "$place")" = "$score" ] ||
        fail "HighScores.dat's place $place holds: $(sed -n "$((place + 5))p" HighScores.dat)"
    note "HighScores.dat holds $name with $score points in place $place"
    key Escape
    wait_screen 5 menu-after-scores menu_shown
    quit_from_menu
}

readonly OPTIONS_BUTTON_X=$((167 + 286 + 75)) OPTIONS_BUTTON_Y=$((134 + 178 + 26))

expect_geometry() {
    local now
    for _ in $(seq 30); do
        now=$(window_geometry "$GAME_WID")
        [ "$now" = "$1" ] && { note "the game window is $1 ($2)"; return 0; }
        sleep 0.1
    done
    fail "the game window is $now, not $1 ($2)"
}

expect_display_file() {
    [ "$(cat Display.dat 2>/dev/null)" = "$1" ] || fail "Display.dat holds: $(cat Display.dat 2>/dev/null)"
    note "Display.dat holds $1"
}

# Alt+Enter makes the full-screen game a window and back; a smaller window shows the whole picture
# shrunk, a click on a menu button in it lands on the button, and the next start remembers it.
scenario_window_mode() {
    start_to_menu full-screen-menu
    local full=$SHOT
    expect_geometry 1024x768+0+0 "full screen"
    key alt+Return
    expect_display_file "Window 1024 768"
    xdotool windowsize "$GAME_WID" 800 600 2>/dev/null
    expect_geometry 800x600+0+0 "resized"
    VIEW=800x600+0+0
    wait_screen 5 window-menu menu_shown
    local sx sy
    read -r sx sy < <(to_screen "$OPTIONS_BUTTON_X" "$OPTIONS_BUTTON_Y")
    xdotool mousemove "$sx" "$sy" click 1 2>/dev/null
    wait_screen 5 window-options-clicked options_shown
    leave_options window-menu-after-options
    quit_from_menu
    expect_display_file "Window 800 600"

    start_murk
    GAME_WID=$(wait_game_window 10) || fail "the game window did not show"
    expect_geometry 800x600+112+84 "the window kept from the last run, centred"
    VIEW=800x600+112+84
    focus_game
    wait_screen 5 window-menu-second-run menu_shown
    key alt+Return
    expect_geometry 1024x768+0+0 "full screen again"
    unset VIEW
    wait_screen 5 full-screen-again shows "$full"
    note "full screen looks as it did before the window"
    quit_from_menu quit-question-second-run
    expect_display_file "FullScreen 800 600"
}

# Ants around player 1 bite until the player falls: each bite flashes the player's square
# red, and "Game Over" shows over the room in yellow until the high-score table comes.
hurt_flash_shown() { [ "$(count_colour "$SHOT" "220,30,30" "32x32+128+288")" -gt 100 ]; }
# The title line in yellow, and below it the points line in white (the level's title has none).
game_over_banner_shown() {
    [ "$(count_colour "$SHOT" "255,220,60" "640x60+192+256")" -gt 300 ] &&
        [ "$(count_colour "$SHOT" "235,235,235" "640x60+192+316")" -gt 100 ]
}

scenario_overlays() {
    install_room "Ant Bites" 4 9 4 11 9 '..1aaaaaaaaaaaaa' 11 '..2'
    start_to_menu menu
    key F2
    wait_screen 20 hit hurt_flash_shown
    wait_screen 40 game-over game_over_banner_shown
    wait_screen 8 scores-after-game scores_shown
    key Escape
    wait_screen 5 menu-after-scores menu_shown
    quit_from_menu
}

# The controls hints line over the top of the room, the item menu above player 1's panel, a
# held bomb's reach outlined, each in its colour.
bomb_blast_shown() { [ "$(count_colour "$SHOT" "255,240,200" "384x160+32+224")" -gt 300 ]; }
hint_shown() { [ "$(count_colour "$SHOT" "255,235,140" "960x32+32+32")" -gt 100 ]; }
item_menu_shown() { [ "$(count_colour "$SHOT" "255,220,60" "480x64+32+576")" -gt 2000 ]; }
bomb_reach_shown() { [ "$(count_colour "$SHOT" "255,150,0" "160x160+288+224")" -gt 200 ]; }
# The warp's banner stands in the upper band when the finish lies in the middle one, so that the
# finished player's square shimmers in sight.
warp_line_shown() {
    [ "$(count_colour "$SHOT" "255,220,60" "400x48+312+120")" -gt 300 ] &&
        [ "$(count_colour "$SHOT" "235,235,235" "400x28+312+168")" -gt 100 ]
}
# The next level's title over the middle of the room for its first two seconds.
level_title_shown() { [ "$(count_colour "$SHOT" "255,220,60" "640x128+192+256")" -gt 300 ]; }
warp_shimmer_shown() { [ "$(count_colour "$SHOT" "255,235,140" "32x32+384+320")" -gt 100 ]; }

# A first game in a fresh folder: the start's hint, then a kit and a bomb picked up (each hinted
# once), the item menu opened and a bomb laid, its reach outlined while it is held, steered away
# and let go, its blast; then the finish and the warp's "Level complete".
scenario_moments() {
    rm -f Hints.dat
    install_room "Moments" 4 9 4 11 9 '..1+b.....#' 10 '...........F' 11 '..2##########'
    start_to_menu menu
    key F2
    wait_screen 10 hint-start hint_shown
    hold Right
    wait_screen 10 hint-bomb eval 'square_is 11 9 A46 && hint_shown'
    xdotool keyup Right
    grep -qx bomb Hints.dat || fail "Hints.dat does not remember the bomb's hint: $(cat Hints.dat)"
    key Shift_L
    wait_screen 5 item-menu item_menu_shown
    key Left
    hold Control_L
    wait_screen 5 bomb-reach bomb_reach_shown
    hold Left
    sleep 1.5
    xdotool keyup Left
    # The blast flashes for 300 ms: screenshots are taken as fast as they come as it goes off,
    # and looked at afterwards.
    local i f
    xdotool keyup Control_L
    for i in 1 2 3 4 5 6; do /usr/bin/import -window root "blast-$i.bmp" 2>/dev/null; done
    for f in blast-*.bmp; do
        SHOT=$f
        bomb_blast_shown && break
        SHOT=
    done
    if [ -z "$SHOT" ]; then
        SHOT=blast-6.bmp
        keep_shot bomb-blast-last
        fail "none of 6 screenshots as the bomb went off shows its blast"
    fi
    keep_shot bomb-blast
    note "the blast shows in $f"
    sleep 0.5
    screen_is_canvas after-blast-stale
    hold Down
    sleep 0.4
    xdotool keyup Down
    hold Right
    wait_screen 10 warp-line eval 'warp_line_shown && warp_shimmer_shown'
    xdotool keyup Right
    wait_screen 10 next-level eval '! warp_line_shown'
    wait_screen 5 title-gone eval '! level_title_shown'
    screen_is_canvas title-gone-stale
    abort_game abort-question
    quit_from_menu
}

# The installed game ($MURK, started in a folder it may not write; tests/install/install_test.sh
# runs it): its files go to the player's data folder, $XDG_DATA_HOME/murk or else
# ~/.local/share/murk, made and filled with the shipped levels and table ($MURK_SHARE) at the
# first start. A data folder that cannot be made is named in a box and the game ends.
scenario_installed() {
    local start=$PWD
    start_to_menu menu
    key Print
    expect_capture "$XDG_DATA_HOME/murk/Capture000.bmp"
    key alt+Return
    quit_from_menu
    cd "$XDG_DATA_HOME/murk" || fail "no folder $XDG_DATA_HOME/murk"
    expect_options_file "$DEFAULT_OPTIONS"
    expect_display_file "Window 1024 768"
    cmp -s HighScores.dat "$MURK_SHARE/HighScores.dat" || fail "HighScores.dat is not the shipped one"
    diff -r Levels "$MURK_SHARE/Levels" >/dev/null || fail "the shipped levels were not copied whole"
    note "the levels and the table were copied into $PWD"
    [ -z "$(ls -A "$start")" ] || fail "the game wrote into the folder it was started in"

    cd "$start" || fail "cannot go back to $start"
    XDG_DATA_HOME="" start_to_menu menu-without-xdg
    quit_from_menu quit-question-without-xdg
    cd "$HOME/.local/share/murk" || fail "no folder ~/.local/share/murk"
    expect_options_file "$DEFAULT_OPTIONS"

    cd "$start" || fail "cannot go back to $start"
    XDG_DATA_HOME=$MURK_SHARE/HighScores.dat start_murk
    box_before_window
    answer_box Return folder-cannot-be-made
    expect_exit_without_window 5 "the box saying the folder cannot be made"
    [ "$EXIT_STATUS" -eq 0 ] || fail "murk exited with status $EXIT_STATUS"
}

# ---- The level editor ----
# Its layout (src/shell/editlayout.h): the room's square (c, r) at canvas (32(c-1), 32(r-1)), the
# toolbar on the right, the palette and the map of rooms below the room, the status line last.
readonly HIGHLIGHT="255,220,60"
readonly ED_NEW_BUTTON="992 447" ED_DRAW_BUTTON="992 66"
readonly ED_SHRINK_EAST="981 683" ED_SHRINK_SOUTH="955 709"  # the map's "-" of a 2 x 2 level
readonly ED_WALL_CELL="22 628" ED_GOLD_CELL="166 628" ED_FINISH_CELL="854 628"
readonly ED_AWAY="100 756"  # the status line's left: no square of the room marked

# The editor shows: its Draw button lit, the status line on the background.
editor_shown() {
    [ "$(canvas_pixel "$SHOT" 965 60)" = "$HIGHLIGHT" ] &&
        [ "$(canvas_pixel "$SHOT" 4 766)" = "$BACKGROUND" ]
}
# Square (c, r) of the room the editor shows holds tile $3.
editor_square_is() { [ "$(picture_diff "$SHOT" $((($1 - 1) * 32)) $((($2 - 1) * 32)) "$3")" = 0 ]; }

# Moves the pointer to the canvas point "X Y" ($1), then clicks there with the left button.
move_to() {
    local x y sx sy
    read -r x y <<<"$1"
    read -r sx sy < <(to_screen "$x" "$y")
    xdotool mousemove "$sx" "$sy" 2>/dev/null
    sleep 0.2
}
click_at() {
    move_to "$1"
    xdotool click 1 2>/dev/null
    sleep 0.2
}
# The centre of room square (c, r) in the editor, as "X Y".
square_point() { echo "$((($1 - 1) * 32 + 16)) $((($2 - 1) * 32 + 16))"; }
# A drag with the left button from square ($1, $2) along its row to column $3, the pointer moving
# on square by square as a hand does.
drag_squares() {
    local c
    move_to "$(square_point "$1" "$2")"
    xdotool mousedown 1 2>/dev/null
    for c in $(seq "$1" "$3"); do move_to "$(square_point "$c" "$2")"; done
    xdotool mouseup 1 2>/dev/null
    sleep 0.2
}

one_room_drawn() {
    editor_square_is 2 8 A32 && editor_square_is 12 8 A32 && editor_square_is 7 10 A37 &&
        editor_square_is 12 10 A45 && editor_square_is 3 10 A46
}
play_room_drawn() { square_is 7 10 A37 && square_is 12 10 A45 && square_is 3 10 A46; }
# Level 0's room under another title than the new level's ($1: a screenshot of its play).
warped_to_level_0() { square_is 1 1 "$(room_code 1 1 1)" && area_changed "$1" "$TITLE_AREA"; }

# F9, a one-room level drawn with the mouse (a wall, gold, the finish), F2 and a walk to the
# finish, the warp back into the editor, Ctrl+S, Escape, the new level chosen in the menu and
# played to its warp. The level is saved in this copy of the game folder.
scenario_editor() {
    start_to_menu menu
    local count
    count=$(find Levels -maxdepth 1 -name 'Level*.dat' | wc -l)
    key F9
    wait_screen 5 editor-level-0 editor_shown
    click_at "$ED_NEW_BUTTON"
    click_at "$ED_SHRINK_EAST"
    click_at "$ED_SHRINK_SOUTH"
    click_at "$ED_WALL_CELL"
    drag_squares 2 8 12
    click_at "$ED_GOLD_CELL"
    click_at "$(square_point 7 10)"
    click_at "$ED_FINISH_CELL"
    click_at "$(square_point 12 10)"
    click_at "$ED_DRAW_BUTTON"
    move_to "$ED_AWAY"
    wait_screen 5 editor-one-room one_room_drawn
    note "a one-room level drawn with the mouse"

    key F2
    wait_screen 10 test-play play_room_drawn
    hold Right
    wait_screen 10 test-play-gold-taken eval 'square_is 7 10 A00'
    wait_screen 15 editor-after-warp editor_shown
    xdotool keyup Right
    one_room_drawn || fail "the editor came back with another level (see $SHOT)"
    note "the warp ended the test play in the editor, the level as it was"

    key ctrl+s
    no_box_for 1 "saving a level without problems as a new number asks nothing"
    local saved
    saved=$(printf 'Levels/Level%03d.dat' "$count")
    [ -f "$saved" ] || fail "Ctrl+S did not write $saved"
    if [ -x "${LEVELC:-}" ]; then
        "$LEVELC" "Levels/Sources/$(basename "${saved%.dat}").lvl" compiled.dat ||
            fail "levelc rejected the saved source"
        cmp -s compiled.dat "$saved" || fail "the saved source compiles to other bytes than $saved"
        note "$saved and its source, which levelc compiles to the same bytes"
    fi
    key Escape
    wait_screen 5 menu-after-editor menu_shown

    key F5
    key F6
    key F2
    wait_screen 10 new-level-play play_room_drawn
    local played=$SHOT
    hold Right
    wait_screen 15 warped-to-level-0 warped_to_level_0 "$played"
    xdotool keyup Right
    note "the new level played to its warp; level 0 follows"
    abort_game abort-question
    quit_from_menu
}

"scenario_$SCENARIO"
