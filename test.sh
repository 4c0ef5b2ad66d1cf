#!/usr/bin/env bash
# Sets up, builds and runs every test: unit and simulator tests, then the real game under Xvfb.
set -euo pipefail
cd "$(dirname "$0")"
scripts/setup.sh
scripts/build.sh
ctest --test-dir build --output-on-failure -j"$(nproc)"
tests/e2e/run.sh
echo "All tests passed."
