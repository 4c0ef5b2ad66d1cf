#!/usr/bin/env bash
# Builds the fuzz targets with clang's libFuzzer and runs each for a while:
#   fuzz/build.sh [SECONDS]     (default 60 per target)
set -euo pipefail
cd "$(dirname "$0")/.."
out=build-fuzz
mkdir -p "$out"
flags="-std=c++20 -g -O1 -fsanitize=fuzzer,address,undefined -Isrc"
base="src/level/gridfile.cpp src/level/stringgrid.cpp src/level/safefile.cpp src/ui/bmp.cpp"
clang++ $flags fuzz/grid_fuzz.cpp $base -o "$out/grid_fuzz"
clang++ $flags fuzz/bmp_fuzz.cpp src/ui/bmp.cpp -o "$out/bmp_fuzz"
clang++ $flags fuzz/options_fuzz.cpp src/options/optionsparse.cpp \
  src/options/keynames.cpp src/util/wholenumber.cpp -o "$out/options_fuzz"
for target in grid_fuzz bmp_fuzz options_fuzz; do
  "$out/$target" -max_total_time="${1:-60}" -max_len=4096 2>&1 | tail -2
done
