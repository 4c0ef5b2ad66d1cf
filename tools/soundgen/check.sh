#!/usr/bin/env bash
# Checks the built sounds' figures: all 27 files, effects 0.1-1 s, the song 20-40 s, no clipping.
# Usage: check.sh SOUNDS_DIR   (needs sox, and lame to decode the song)
set -uo pipefail
dir=${1:?usage: check.sh SOUNDS_DIR}
failed=0
fail() { echo "FAIL $*"; failed=1; }

# Prints "seconds peak" of a WAV file; the peak is the larger of the two amplitude extremes.
figures() {
    local seconds stat
    seconds=$(sox --i -D "$1") || return 1
    stat=$(sox "$1" -n stat 2>&1) || return 1
    awk -v s="$seconds" '/Maximum amplitude/ {mx = $3} /Minimum amplitude/ {mn = -$3}
                         END {print s, (mx > mn ? mx : mn)}' <<<"$stat"
}

within() { awk -v v="$1" -v lo="$2" -v hi="$3" 'BEGIN {exit !(v >= lo && v <= hi)}'; }

check() {  # file, shortest, longest
    local f=$1 seconds peak
    read -r seconds peak < <(figures "$f") || { fail "$f: unreadable"; return; }
    within "$seconds" "$2" "$3" || fail "$f: $seconds s, not $2-$3 s"
    within "$peak" 0.05 0.98 || fail "$f: peak $peak (silent or clipping)"
    echo "$(basename "$f"): $seconds s, peak $peak"
}

waves=("$dir"/S[0-3][0-9]-P[12]-*.wav)
[ "${#waves[@]}" -eq 26 ] || fail "$dir: ${#waves[@]} effect files, not 26"
for f in "${waves[@]}"; do check "$f" 0.1 1.0; done

song=$(mktemp --suffix=.wav)
trap 'rm -f "$song"' EXIT
if lame --quiet --decode "$dir/S99-OpeningSong.mp3" "$song"; then
    check "$song" 20 40
else
    fail "$dir/S99-OpeningSong.mp3: cannot be decoded"
fi
exit $failed
