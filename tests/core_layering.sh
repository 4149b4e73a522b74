#!/usr/bin/env bash
# The include rules that keep the layers of the game apart. Every header and source under the
# source folder is read, in every folder:
#   only files in a qt/ folder or in app/ include Qt or a header of a qt/ folder;
#   no include climbs out of its folder ("..");
#   game/      includes only game/ and the standard library;
#   view/      adds game/ and platform/;
#   platform/  (not platform/qt/) includes platform/ and the rules' interfaces in game/;
#   no file under game/, view/, leaderboard/ or platform/ includes a shell/ header;
#   the core library's sources (the list CMake writes) all lie outside qt/ folders and app/.
# A missing source folder or source list is a failure, never a pass.
# Usage: core_layering.sh <src folder> <file listing the core library's sources>
set -uo pipefail
src=${1:-}
core_list=${2:-}
broken=0

complain() {
  echo "$1: $2" >&2
  broken=1
}

[ -n "$src" ] && [ -d "$src/game" ] || { echo "no source folder with game/ at '$src'" >&2; exit 2; }
[ -n "$core_list" ] && [ -s "$core_list" ] || { echo "no list of the core's sources at '$core_list'" >&2; exit 2; }

# Every project include of a file, one per line ("game/Board.h").
quoted() { sed -n 's/^[[:space:]]*#[[:space:]]*include[[:space:]]*"\([^"]*\)".*/\1/p' "$1"; }
angled() { sed -n 's/^[[:space:]]*#[[:space:]]*include[[:space:]]*<\([^>]*\)>.*/\1/p' "$1"; }
sources_in() { find "$src${1:+/$1}" -type f \( -name '*.h' -o -name '*.cpp' \); }
is_qt_side() { [[ /${1#"$src"/} == */qt/* || ${1#"$src"/} == app/* ]]; }

# The path rule, and no climbing, for every file of the tree.
while IFS= read -r file; do
  name=${file#"$src"/}
  while IFS= read -r inc; do
    [[ /$inc/ == */../* ]] && complain "$name" "includes \"$inc\", which climbs"
    if [[ /$inc == */qt/* ]] && ! is_qt_side "$file"; then complain "$name" "is not Qt's and includes \"$inc\""; fi
  done < <(quoted "$file")
  if angled "$file" | grep -qE '^Q[A-Za-z]+' && ! is_qt_side "$file"; then complain "$name" "is not Qt's and includes Qt"; fi
done < <(sources_in "")

# Project includes of every file in <folder> (qt/ aside) must start with one of the prefixes.
only_from() {
  local folder=$1
  shift
  local file inc prefix ok
  while IFS= read -r file; do
    is_qt_side "$file" && continue
    while IFS= read -r inc; do
      ok=0
      for prefix in "$@"; do [[ $inc == "$prefix"* ]] && ok=1; done
      [ "$ok" = 1 ] || complain "${file#"$src"/}" "includes \"$inc\""
    done < <(quoted "$file")
  done < <(sources_in "$folder")
}

only_from game game/
only_from view view/ game/ platform/
only_from platform platform/ game/

# game/ sees nothing but the standard library: no system or toolkit headers either.
while IFS= read -r file; do
  while IFS= read -r inc; do
    [[ $inc =~ ^[a-z_]+$ ]] || complain "${file#"$src"/}" "includes <$inc>"
  done < <(angled "$file")
done < <(sources_in game)

for folder in game view leaderboard platform; do
  while IFS= read -r file; do
    quoted "$file" | grep -q '^shell/' && complain "${file#"$src"/}" "includes a shell/ header"
  done < <(sources_in "$folder")
done

while IFS= read -r source; do
  [ -n "$source" ] || continue
  is_qt_side "$source" && complain "${source#"$src"/}" "is in the core library but on the Qt side"
done < <(tr ';' '\n' < "$core_list")

[ "$broken" = 0 ] && echo "the layers keep their include rules"
exit "$broken"
