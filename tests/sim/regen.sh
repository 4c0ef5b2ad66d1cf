#!/usr/bin/env bash
# Rewrites the expected output of golden scripts from what murk-sim prints now: after a
# deliberate change of behaviour, read `git diff tests/sim` before committing.
#   tests/sim/regen.sh NAME...    (no NAME: every script; BUILD=DIR for another build folder)
set -euo pipefail
cd "$(dirname "$0")/../.."
build=${BUILD:-build}
if ! log=$(cmake --build "$build" --target murk-sim levelc 2>&1); then
    echo "$log" >&2
    exit 1
fi
names=("$@")
if [ ${#names[@]} -eq 0 ]; then
    for script in tests/sim/*.sim; do names+=("$(basename "$script" .sim)"); done
fi
for name in "${names[@]}"; do
    name=$(basename "$name" .sim)  # a path to the script works too
    if [ ! -f "tests/sim/$name.sim" ]; then
        echo "regen: no tests/sim/$name.sim" >&2
        exit 2
    fi
    if ! log=$(MURK_GOLDEN_REGEN=1 ctest --test-dir "$build" --no-tests=error --output-on-failure \
                   -R "^Golden\\.$name\$" 2>&1); then
        echo "$log" >&2
        exit 1
    fi
    echo "wrote tests/sim/$name.out"
done
git --no-pager diff --stat -- tests/sim
echo "Read the diff (git diff tests/sim) before committing: every changed line is a changed behaviour."
