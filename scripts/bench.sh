#!/usr/bin/env bash
# Builds the benchmarks optimised into $FRETQUILL_BUILD_DIR (default build-bench/) and runs
# every one of them. Arguments go to each benchmark (for example --benchmark_filter=Triad).
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
"$root/scripts/setup.sh"
build=${FRETQUILL_BUILD_DIR:-$root/build-bench}
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DFRETQUILL_BENCH=ON \
  -DFRETQUILL_TESTS=OFF >/dev/null
cmake --build "$build" -j "${FRETQUILL_JOBS:-2}"
for bench in "$build"/fretquill_bench_*; do
  [ -x "$bench" ] || continue
  echo "== $(basename "$bench")"
  "$bench" "$@"
done
