#!/usr/bin/env bash
# The installed game: `cmake --install` into a fresh prefix (its name holds a space) puts the
# program, its data, the menu entry, the icon and the manual page in their places; the menu entry
# passes desktop-file-validate; and the installed murk, started under Xvfb by an unprivileged user
# with a fresh home, from a folder it may not write, keeps its files in the player's data folder
# (the `installed` scenario of tests/e2e/scenarios.sh).
# Usage: install_test.sh BUILD_DIR
set -uo pipefail
HERE=$(cd "$(dirname "$0")" && pwd)
BUILD=$(cd "$1" && pwd)
WORK=$(mktemp -d "${TMPDIR:-/tmp}/murk-install-test.XXXXXX")
trap 'rm -rf "$WORK"' EXIT
chmod 755 "$WORK"
PREFIX="$WORK/the prefix"
SHARE="$PREFIX/share"

fail() {
    echo "install: FAILED: $*"
    exit 1
}
count() { find "$1" -mindepth 1 -maxdepth 1 -name "$2" | wc -l; }

cmake --install "$BUILD" --prefix "$PREFIX" >"$WORK/install.log" 2>&1 ||
    { cat "$WORK/install.log"; fail "cmake --install"; }
[ -x "$PREFIX/bin/murk" ] || fail "no bin/murk"
[ "$(count "$SHARE/murk/Objects" '*.bmp')" -eq 132 ] || fail "not 132 tile pictures"
[ "$(count "$SHARE/murk/Sounds" 'S*')" -eq 27 ] || fail "not 27 sounds"
levels=$(count "$BUILD/game/Levels" 'Level[0-9][0-9][0-9].dat')
[ "$(count "$SHARE/murk/Levels" '*')" -eq "$levels" ] || fail "not the $levels levels of the build"
"$BUILD/tools/hscoredefault/hscoredefault" "$WORK/table" &&
    cmp -s "$WORK/table" "$SHARE/murk/HighScores.dat" || fail "HighScores.dat is not the default table"
for size in 32 48 128 256; do
    icon="$SHARE/icons/hicolor/${size}x$size/apps/murk.png"
    # The PNG header: width and height, 8 bits, colour type 6 (with transparency).
    [ "$(od -An -tx1 -j16 -N10 "$icon" 2>/dev/null | tr -d ' \n')" = "$(printf '%08x%08x0806' "$size" "$size")" ] ||
        fail "$icon is not a ${size}x$size PNG with transparency"
done
man=$(groff -man -ww -z "$SHARE/man/man6/murk.6" 2>&1) && [ -z "$man" ] || fail "the manual page: $man"
desktop="$SHARE/applications/murk.desktop"
desktop-file-validate "$desktop" || fail "desktop-file-validate $desktop"
grep -qxF "Exec=\"$PREFIX/bin/murk\"" "$desktop" || fail "Exec names another program: $(grep Exec "$desktop")"
echo "install: everything in its place under $PREFIX; the menu entry is valid"

# The game runs as a player would: not as root, in a home of its own, from a folder it cannot
# write. (In the sanitizer build, what the X libraries keep until exit is not this test's
# business: leaks are looked for by the unit tests.)
mkdir -p "$WORK/home" "$WORK/data" "$WORK/shots" "$WORK/started-here"
AS_PLAYER=()
if [ "$(id -u)" -eq 0 ]; then
    chown 65534:65534 "$WORK/home" "$WORK/data" "$WORK/shots"
    AS_PLAYER=(setpriv --reuid=65534 --regid=65534 --clear-groups)
fi
chmod 555 "$WORK/started-here"
(cd "$WORK/started-here" &&
    HOME="$WORK/home" XDG_DATA_HOME="$WORK/data" MURK="$PREFIX/bin/murk" MURK_SHARE="$SHARE/murk" \
    MURK_LOG="$WORK/shots/murk.log" SCENARIO=installed SHOTS="$WORK/shots" TOOLS="$WORK" \
    SCREEN_W=1024 SCREEN_H=768 ASAN_OPTIONS=detect_leaks=0 \
    timeout -s KILL 90 "${AS_PLAYER[@]}" xvfb-run -a -s "-screen 0 1024x768x24" \
    bash "$HERE/../e2e/scenarios.sh" installed) >"$WORK/session.log" 2>&1
status=$?
cat "$WORK/session.log"
[ "$status" -eq 0 ] || { sed 's/^/murk: /' "$WORK/shots/murk.log" 2>/dev/null; fail "the installed game's session (status $status)"; }
echo "install: the installed game kept its files in the player's data folder"
