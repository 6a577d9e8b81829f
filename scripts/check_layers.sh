#!/usr/bin/env bash
# Fails on any include that points up a floor, and on any window-toolkit include in a
# core folder. Usage: check_layers.sh [source root]
#
# Each folder may include itself and the folders listed for it; nothing else of the
# project. A folder's files are those directly in it (a listed subfolder is its own
# floor). tests/, bench/ and fuzz/ may include anything.
set -euo pipefail
root=${1:-$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)}
cd "$root"

declare -A allowed=(
  [util]=""
  [music]="util"
  [guitar]="util music"
  [library]="util music guitar"
  [settings]="util music guitar"
  [sound/audio]="util"
  [sound]="util music guitar library settings sound/audio"
  [view]="util music guitar library settings sound"
  [cli]="util music guitar library settings sound sound/audio"
  [dialogs]="util music guitar library settings sound view"
  [dialogs/settings]="util music guitar library settings sound view dialogs"
  [app]="util music guitar library settings sound sound/audio view dialogs dialogs/settings"
  [tools]="util music guitar library settings sound sound/audio view"
)
core_folders=(util music guitar library settings sound sound/audio view)

# One pass over every include of every file of the table's folders. A path's floor is the
# longest folder of the table that holds it.
table=$(for folder in "${!allowed[@]}"; do printf '%s=%s\n' "$folder" "${allowed[$folder]}"; done)
present=()
for folder in "${!allowed[@]}"; do [[ -d $folder ]] && present+=("$folder"); done
failures=0
report=$(find "${present[@]}" -type f \( -name '*.h' -o -name '*.cpp' -o -name '*.h.in' \) |
  sort -u | xargs grep -nE '^\s*#\s*include\s*"' /dev/null |
  awk -v table="$table" '
    function floor_of(path,   f, best) {
      best = ""
      for (f in allowed) if (index(path, f "/") == 1 && length(f) > length(best)) best = f
      return best
    }
    BEGIN {
      n = split(table, rows, "\n")
      for (i = 1; i <= n; i++) if (rows[i] != "") {
        split(rows[i], kv, "="); allowed[kv[1]] = " " kv[2] " "
      }
    }
    {
      split($0, parts, ":"); file = parts[1]; line = parts[2]
      target = $0; sub(/^[^"]*"/, "", target); sub(/".*/, "", target)
      from = floor_of(file); to = floor_of(target)
      if (from == "" || to == "" || to == from) next
      if (index(allowed[from], " " to " ") == 0)
        printf "%s:%s: %s may not include %s (%s is not below it)\n", file, line, from, target, to
    }' || true)
if [[ -n $report ]]; then
  echo "$report"
  failures=$((failures + 1))
fi

existing_core=()
for folder in "${core_folders[@]}"; do [[ -d $folder ]] && existing_core+=("$folder"); done
qt_hits=""
[[ ${#existing_core[@]} -gt 0 ]] && qt_hits=$(grep -rnE '^\s*#\s*include\s*[<"](Qt[A-Za-z]*/|Q[A-Z][A-Za-z]*[>"]|q[a-z_]+\.h[>"])' \
            "${existing_core[@]}" 2>/dev/null || true)
if [[ -n $qt_hits ]]; then
  echo "Core folders must not include window-toolkit headers:"
  echo "$qt_hits"
  failures=$((failures + 1))
fi

if [[ $failures -gt 0 ]]; then
  echo "layering check failed"
  exit 1
fi
echo "every include points down a floor; core folders are free of window-toolkit includes"
