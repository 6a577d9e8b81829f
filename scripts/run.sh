#!/usr/bin/env bash
# Builds the program and runs it; arguments go to fretquill-cli.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=${FRETQUILL_BUILD_DIR:-$root/build}
"$root/scripts/build.sh" >&2
exec "$build/fretquill-cli" "$@"
