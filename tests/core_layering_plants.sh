#!/usr/bin/env bash
# Each planted violation must fail core_layering.sh; the untouched tree must pass it.
# Usage: core_layering_plants.sh <src folder> <core source list>
set -uo pipefail
here=$(dirname "$0")
src=$1
list=$2
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
failed=0

# plant <what> <file under src> <line to append>   (an empty file: the source list goes missing)
plant() {
  rm -rf "$scratch/src" && cp -r "$src" "$scratch/src"
  local use_list=$list
  if [ -n "$2" ]; then echo "$3" >> "$scratch/src/$2"; else use_list=$scratch/missing.txt; fi
  if bash "$here/core_layering.sh" "$scratch/src" "$use_list" >/dev/null 2>&1; then
    echo "not caught: $1"
    failed=1
  fi
}

plant "Qt in a header-only core file"  shell/SessionPorts.h '#include <QString>'
plant "Qt in a platform interface"     platform/Audio.h     '#include <QObject>'
plant "an include that climbs"         game/Board.h         '#include "game/../view/Layout.h"'
plant "a shell/ header in view/"       view/Layout.h        '#include "shell/Session.h"'
plant "a qt/ header outside qt/"       leaderboard/PxbStore.h '#include "leaderboard/qt/FrmPXB.h"'
plant "a missing source list"          "" ""

rm -rf "$scratch/src" && cp -r "$src" "$scratch/src"
bash "$here/core_layering.sh" "$scratch/src" "$list" >/dev/null || { echo "the untouched tree fails"; failed=1; }
[ "$failed" = 0 ] && echo "every planted violation is caught"
exit "$failed"
