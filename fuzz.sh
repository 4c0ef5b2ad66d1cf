#!/usr/bin/env bash
# Builds the libFuzzer targets with clang (coverage-guided, ASan + UBSan) into build-fuzz/ and runs
# each in turn, starting from its seeds in fuzz/corpus/<target>/:
#   ./fuzz.sh [SECONDS] [TARGET...]     (default 60 seconds each; targets grid bmp options pads game journal)
# New inputs collect in build-fuzz/corpus/<target>/, crashes in build-fuzz/findings/. Replay a
# finding with build-fuzz/fuzz/<target>_fuzz FILE (MURK_FUZZ_SCRIPT=1 shows a game input's script).
set -euo pipefail
cd "$(dirname "$0")"
seconds=${1:-60}
shift || true
targets=("$@")
[ ${#targets[@]} -gt 0 ] || targets=(grid bmp options pads game journal)

out=build-fuzz
cmake -S . -B "$out" -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_COMPILER=clang++ \
  -DCMAKE_CXX_FLAGS_DEBUG="-g -O1" -DMURK_SANITIZE=ON -DMURK_FUZZ_COVERAGE=ON \
  -DMURK_WITH_SDL=OFF -DMURK_WITH_TESTS=OFF >/dev/null
cmake --build "$out" -j"$(nproc)" --target "${targets[@]/%/_fuzz}"

mkdir -p "$out/findings"
failed=0
for t in "${targets[@]}"; do
  mkdir -p "$out/corpus/$t"
  echo "== $t: $seconds s (log: $out/$t.log)"
  status=0
  "$out/fuzz/${t}_fuzz" "$out/corpus/$t" "fuzz/corpus/$t" -max_total_time="$seconds" \
    -max_len=16384 -timeout=20 -artifact_prefix="$out/findings/$t-" -print_final_stats=1 \
    >"$out/$t.log" 2>&1 || status=$?
  grep -E "DONE|stat::number_of_executed_units|stat::average_exec_per_sec|ERROR|SUMMARY|Test unit written" \
    "$out/$t.log" || true
  [ "$status" -eq 0 ] || { echo "== $t FAILED (status $status)"; failed=1; }
done
exit "$failed"
