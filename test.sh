#!/usr/bin/env bash
# Sets up, builds and runs every test: unit and simulator tests, the real game under Xvfb, then
# every test again in a sanitizer build.
set -euo pipefail
cd "$(dirname "$0")"
scripts/setup.sh
scripts/build.sh
ctest --test-dir build --output-on-failure -j"$(nproc)"
tests/e2e/run.sh
# Every test again under AddressSanitizer and UndefinedBehaviorSanitizer, the fuzz targets
# replaying their seed corpus among them.
scripts/build-asan.sh
ctest --test-dir build-asan --output-on-failure -j"$(nproc)"
echo "All tests passed."
