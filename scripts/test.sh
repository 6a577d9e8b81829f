#!/usr/bin/env bash
# Builds everything and runs every test.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=${FRETQUILL_BUILD_DIR:-$root/build}
"$root/scripts/build.sh"
ctest --test-dir "$build" --output-on-failure -j "${FRETQUILL_JOBS:-2}"
