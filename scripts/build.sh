#!/usr/bin/env bash
# Configures and builds into $FRETQUILL_BUILD_DIR (default build/).
# FRETQUILL_WERROR=ON makes warnings errors; FRETQUILL_SANITIZE=ON adds ASan and UBSan;
# FRETQUILL_GUI=OFF leaves the window and its dialogs out.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
"$root/scripts/setup.sh"
build=${FRETQUILL_BUILD_DIR:-$root/build}
launcher=()
# A compiler cache, when the machine has one, makes rebuilds in fresh folders cheap.
if command -v ccache >/dev/null; then launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache); fi
cmake -S "$root" -B "$build" -G Ninja "${launcher[@]}" \
  -DFRETQUILL_WERROR="${FRETQUILL_WERROR:-OFF}" \
  -DFRETQUILL_SANITIZE="${FRETQUILL_SANITIZE:-OFF}" \
  -DFRETQUILL_GUI="${FRETQUILL_GUI:-ON}" \
  -DFRETQUILL_BENCH="${FRETQUILL_BENCH:-OFF}" >/dev/null
cmake --build "$build" -j "${FRETQUILL_JOBS:-2}" "$@"
