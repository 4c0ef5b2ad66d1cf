#!/usr/bin/env bash
# Prints the table of the shipped levels that docs/LEVELS.md shows: each level's size, the idea it
# teaches and the tiles it introduces (assets/levels/lessons.txt), its gold sacks, and how long
# its finishing script plays (its passes at the script's speed, in game seconds).
# docs/LEVELS.md holds it between its level-table marks, and a test checks that it is current:
# after a level or script changes, run scripts/level-table.sh --write.
set -euo pipefail
cd "$(dirname "$0")/.."
if [ "${1:-}" = --write ] || [ "${1:-}" = --check ]; then
    table=$("$0")
    doc=docs/LEVELS.md
    new=$(awk -v table="$table" '/<!-- level table -->/ {print; print table; skip = 1; next}
        /<!-- end of level table -->/ {skip = 0} !skip' "$doc")
    if [ "$1" = --write ]; then
        printf '%s\n' "$new" >"$doc"
    elif [ "$new" != "$(cat "$doc")" ]; then
        echo "docs/LEVELS.md's level table is not current: run scripts/level-table.sh --write" >&2
        exit 1
    fi
    exit 0
fi
echo "| Level | Title | Size | The idea it teaches | Introduces | Gold sacks | Finishing script |"
echo "|---|---|---|---|---|---|---|"
for src in assets/levels/Level[0-9][0-9][0-9].lvl; do
    name=$(basename "$src" .lvl)
    n=$((10#${name#Level}))
    title=$(sed -n 's/^title[ \t]*\([^;]*\).*/\1/p' "$src" | sed 's/[ \t]*$//')
    size=$(awk '$1 == "size" {print $2 "x" $3; exit}' "$src")
    # Gold: the '$' squares of the rooms' rows (19 rows after each room line).
    gold=$(awk '$1 == "room" {rows = 19; next} rows > 0 && NF {rows--; n += gsub(/\$/, "")} END {print n + 0}' "$src")
    idea=$(awk -F'|' -v n="$n" '$1 + 0 == n && $1 ~ /^[0-9]/ {gsub(/^ +| +$/, "", $2); print $2}' assets/levels/lessons.txt)
    tiles=$(awk -F'|' -v n="$n" '$1 + 0 == n && $1 ~ /^[0-9]/ {gsub(/^ +| +$/, "", $3); print $3}' assets/levels/lessons.txt)
    sim=tests/levels/$name.sim
    secs=$(awk '$1 == "speed" {speed = $2} $1 == "tick" {t += $2} END {printf "%d:%02d", t * speed / 60000, (t * speed / 1000) % 60}' "$sim")
    echo "| $n | $title | $size | ${idea:-all that came before} | ${tiles:--} | $gold | $secs |"
done
