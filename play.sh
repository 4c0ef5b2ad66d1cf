#!/usr/bin/env bash
# Sets up, builds and starts Murk from its game folder.
set -euo pipefail
cd "$(dirname "$0")"
scripts/setup.sh
scripts/build.sh
cd build/game
exec ./murk
