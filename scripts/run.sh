#!/usr/bin/env bash
# Builds the program and starts the window; arguments go to fretquill
# (./scripts/run.sh --zoom 2). Without a display the window says so in one line, and the
# command-line tool, which needs none, gives its short tour instead.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=${FRETQUILL_BUILD_DIR:-$root/build}
"$root/scripts/build.sh" >&2
status=0
"$build/fretquill" "$@" || status=$?
if [[ $status -eq 1 && -z "${DISPLAY:-}" && -z "${WAYLAND_DISPLAY:-}" ]]; then
  echo "Here is the command-line tool, $build/fretquill-cli, instead:" >&2
  exec "$build/fretquill-cli"
fi
exit "$status"
