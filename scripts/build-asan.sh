#!/usr/bin/env bash
# Builds everything again into build-asan/ with clang, AddressSanitizer and UndefinedBehaviorSanitizer
# (any report stops the program), including the fuzz targets that replay their seed corpus.
set -euo pipefail
cd "$(dirname "$0")/.."
cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_COMPILER=clang++ \
  -DCMAKE_CXX_FLAGS_DEBUG="-g -O1" -DMURK_SANITIZE=ON >/dev/null
cmake --build build-asan -j"$(nproc)"
