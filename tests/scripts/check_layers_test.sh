#!/usr/bin/env bash
# The layering check passes on the source tree and fails on a tree with an upward include
# or a window-toolkit include in a core folder, naming the offending line.
set -uo pipefail
check=$1/scripts/check_layers.sh
status=0

expect() {  # expect <pass|fail> <tree> [text the report must hold]
  local want=$1 tree=$2 text=${3:-} out rc
  out=$(bash "$check" "$tree" 2>&1); rc=$?
  if [[ $want == pass && $rc -ne 0 ]] || [[ $want == fail && $rc -eq 0 ]]; then
    echo "expected $want on $tree, got status $rc:"; echo "$out"; status=1
  elif [[ -n $text && $out != *"$text"* ]]; then
    echo "expected '$text' in the report on $tree:"; echo "$out"; status=1
  fi
}

expect pass "$1"

tmp=$(mktemp -d); trap 'rm -rf "$tmp"' EXIT
make_tree() {  # make_tree <name> <file> <include line>...
  local tree=$tmp/$1 file=$2; shift 2
  mkdir -p "$tree/$(dirname "$file")"
  printf '%s\n' "$@" > "$tree/$file"
  printf '%s' "$tree"
}

expect pass "$(make_tree down guitar/chord.h '#include "music/note.h"' '#include "util/crc32.h"')"
expect pass "$(make_tree app app/window.cpp '#include <QMainWindow>' '#include "view/canvas.h"')"
expect fail "$(make_tree up music/note.h '#include "guitar/tuning.h"')" \
  'music/note.h:1: music may not include guitar/tuning.h'
expect fail "$(make_tree sibling settings/a.h '#include "library/pattern.h"')" 'settings may not include'
expect fail "$(make_tree audio sound/audio/mixer.h '#include "sound/sound_engine.h"')" \
  'sound/audio may not include sound/sound_engine.h'
expect fail "$(make_tree cli cli/main.cpp '#include "view/fretquill_view.h"')" 'cli may not include'
expect fail "$(make_tree qt view/neck.cpp '#include <QPainter>')" 'window-toolkit'
exit $status
