#!/usr/bin/env bash
# Builds the libFuzzer targets with clang and runs each for a bounded time
# (FRETQUILL_FUZZ_SECONDS, default 60) from its seed corpus.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
FRETQUILL_NEED_CLANG=1 "$root/scripts/setup.sh"
build=${FRETQUILL_FUZZ_BUILD_DIR:-$root/build-fuzz}
seconds=${FRETQUILL_FUZZ_SECONDS:-60}
CC=clang CXX=clang++ cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DFRETQUILL_FUZZ=ON -DFRETQUILL_TESTS=OFF -DFRETQUILL_APPS=OFF >/dev/null
cmake --build "$build" -j 2
shopt -s nullglob
ran=0
for fuzzer in "$build"/fuzz/fuzz_*; do
  [[ -x "$fuzzer" && -f "$fuzzer" ]] || continue
  ran=$((ran + 1))
  name=$(basename "$fuzzer")
  corpus="$build/corpus/$name"
  mkdir -p "$corpus"
  seeds=("$root/fuzz/seeds/${name#fuzz_}")
  echo "== $name for ${seconds}s"
  log="$build/$name.log"
  args=(-max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 "$corpus")
  [[ -d "${seeds[0]}" ]] && args+=("${seeds[0]}")
  if ! "$fuzzer" "${args[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$name found a failure (log: $log)"
    exit 1
  fi
  tail -n 2 "$log"
done
if [[ $ran -eq 0 ]]; then
  echo "no fuzz targets were built in $build/fuzz"
  exit 1
fi
