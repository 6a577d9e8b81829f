#!/usr/bin/env bash
# Fails when a core folder includes a header of the window toolkit.
set -euo pipefail
root=${1:-$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)}
cd "$root"
hits=$(grep -rnE '^\s*#\s*include\s*[<"](Qt[A-Za-z]*/|Q[A-Z][A-Za-z]*[>"]|q[a-z_]+\.h[>"])' \
         util music guitar library settings sound 2>/dev/null || true)
if [[ -n "$hits" ]]; then
  echo "Core folders must not include window-toolkit headers:"
  echo "$hits"
  exit 1
fi
echo "core folders are free of window-toolkit includes"
