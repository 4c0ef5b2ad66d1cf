#!/bin/sh
# Proof sheets for the art: every tile at 2x with its code, and a sample room at 1:1.
# Usage: preview.sh OBJECTS_DIR OUT_DIR   (needs ImageMagick)
set -eu
objects=$1
out=$2
mkdir -p "$out"
cd "$objects"
/usr/bin/montage -background '#402020' -fill white -font /usr/share/fonts/truetype/dejavu/DejaVuSans.ttf -pointsize 10 -label '%t' \
  $(ls *.bmp | sort) -filter point -resize 200% -geometry +10+4 -tile 12x "$out/sheet.png"
# The room: 30x19 codes, one row a line; '..' is floor.
set --
while read -r line; do
  for c in $line; do
    case $c in ..) c=A00 ;; esac
    set -- "$@" "$(ls "$c"-*.bmp | head -1)"
  done
done <<'ROOM'
A39 A39 A39 A39 A39 A39 A39 A39 A39 A39 A39 A39 A39 A39 A39 A39 A39 A39 A39 A39 A39 A39 A39 A39 A39 A39 A39 A39 A39 A39
A39 A44 .. .. .. A32 .. A02 .. .. A04 .. .. A32 A37 A38 A29 A41 A42 A43 A32 .. .. .. .. .. .. .. A45 A39
A39 .. A46 .. .. A32 .. .. .. .. .. .. .. A32 .. .. .. .. .. .. A28 .. A06 .. .. A07 .. .. .. A39
A39 .. A51 .. .. A32 A32 A32 A35 A32 A32 .. .. A32 A32 A32 A36 A36 A32 A32 A32 .. .. .. .. .. .. .. .. A39
A39 .. .. A47 A58 .. .. .. .. .. .. .. .. .. .. .. .. .. .. .. .. .. A09 .. .. A11 .. .. .. A39
A39 .. .. .. .. .. A01 .. A03 .. A05 .. A08 .. A10 .. A18 .. A19 A66 .. A64 .. .. A17 .. .. .. .. A39
A39 A33 A33 A33 A34 A34 .. .. .. .. .. .. .. .. .. .. .. .. .. .. .. .. .. .. .. .. B29 B29 B30 A39
A39 .. .. .. .. .. .. A12 .. A13 .. A14 .. A15 .. A16 .. .. .. .. .. A30 A30 A40 A40 A40 .. .. .. A39
A39 .. A31 A31 .. .. .. .. .. .. .. .. .. .. .. .. .. .. .. .. .. A30 .. .. .. .. .. .. .. A39
A39 .. A31 .. .. A22 A74 A74 A74 A74 A74 A74 A32 .. .. B28 B28 B28 .. Z Z .. .. .. .. .. .. .. .. A39
A39 .. .. .. .. .. .. .. .. .. .. .. .. .. .. .. .. .. .. .. .. .. .. .. .. .. .. .. .. A39
A39 .. .. A80 .. .. .. .. .. .. A99 .. .. .. .. B15 .. .. .. .. .. .. .. .. .. .. .. .. .. A39
A39 .. .. A88 .. .. .. .. .. .. .. B07 .. .. .. .. B23 .. .. .. .. .. .. .. .. .. .. .. .. A39
A39 .. .. A88 .. .. .. .. .. .. .. .. B07 .. .. .. .. B23 .. .. .. .. .. .. .. .. .. .. .. A39
A39 .. .. A88 .. .. .. .. .. .. .. .. .. B07 .. .. .. .. B23 .. .. A48 A49 A50 A51 A52 A53 A54 A55 A39
A39 .. .. A84 .. .. .. .. .. .. .. .. .. .. .. .. .. .. .. .. .. A64 A65 A66 A67 A68 A69 A70 A71 A39
A39 .. .. .. .. A32 A32 A32 A32 .. .. .. .. .. .. .. .. .. .. .. .. .. .. .. .. .. .. .. .. A39
A39 .. .. .. .. A32 .. .. .. .. .. .. .. .. .. .. .. .. .. .. .. .. .. .. .. .. .. .. .. A39
A39 A39 A39 A39 A39 A39 A39 A39 A39 A39 A39 A39 A39 A39 A39 A39 A39 A39 A39 A39 A39 A39 A39 A39 A39 A39 A39 A39 A39 A39
ROOM
/usr/bin/montage "$@" -tile 30x19 -geometry +0+0 "$out/room.png"
