#!/usr/bin/env bash
# Checks that the C++ of src/ and tools/ names tiles (code::Ant, the tile kinds of
# base/tilekinds.h) instead of writing their codes: a tile code in a string ("A12", "B28", "Z",
# "ZEC"), a comparison with the slide field's letter ('Z'), or a catalogue index written as a
# number (TileCodeAt(20)). Only src/base/, where the catalogue and the kinds live, writes codes;
# tests may too. Comments are not read.
set -euo pipefail
cd "$(dirname "$0")/.."

# The files with their comments cut off (where no string comes before the "//"), line for line,
# under a folder of their own.
stripped=$(mktemp -d)
trap 'rm -rf "$stripped"' EXIT
while IFS= read -r file; do
  mkdir -p "$stripped/$(dirname "$file")"
  sed 's#^\([^"]*\)//.*#\1#' "$file" >"$stripped/$file"
done < <(find src tools \( -name '*.cpp' -o -name '*.h' \) -not -path 'src/base/*' \
           -not -path '*/tests/*')

status=0
check() {  # PATTERN WHY [PATH TO LEAVE OUT]
  local found
  found=$(cd "$stripped" && grep -rnP "$1" . | sed 's#^\./##' | grep -v "^${3:-/}" || true)
  [ -z "$found" ] && return
  while IFS=: read -r file line text; do
    echo "$file:$line: $2: $(sed 's/^[[:space:]]*//' <<<"$text")"
  done <<<"$found"
  status=1
}

check '"([^"\\]|\\.)*\b[AB][0-9]{2}\b([^"\\]|\\.)*"' "a tile code in a string; use its name from base/tiles.h"
check '"Z[A-Za-z]{2}"' "a slide field's code in a string; use SlideFieldCode"
# In src/options/ "Z" is the name of the Z key.
check '"Z"' "the slide field's code in a string; use code::SlideField" src/options/
check "[=!]=\s*'Z'|'Z'\s*[=!]=" "the slide field's letter compared by hand; use IsSlideField"
check '\b(TileCodeAt|TileFileName)\(\s*[0-9]' "a catalogue index written as a number; use TileIndex"

[ $status -eq 0 ] && echo "Tile literals: src/ and tools/ name every tile."
exit $status
