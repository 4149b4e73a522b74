#!/usr/bin/env bash
# The include rules that keep the layers of the game apart:
#   game/      includes only game/ and the standard library;
#   view/      adds game/ and platform/;
#   platform/  (not platform/qt/) includes platform/ and the rules' interfaces in game/;
#   no file under game/, view/, effects/, leaderboard/ or platform/ includes a shell/ header;
#   no file of the core library (its sources and their headers) includes platform/qt/ or Qt.
# Usage: core_layering.sh <src folder> <file listing the core library's sources>
set -uo pipefail
src=$1
core_list=$2
broken=0

complain() {
  echo "$1: $2" >&2
  broken=1
}

# Every project include of a file, one per line ("game/Board.h").
quoted() { sed -n 's/^[[:space:]]*#[[:space:]]*include[[:space:]]*"\([^"]*\)".*/\1/p' "$1"; }
angled() { sed -n 's/^[[:space:]]*#[[:space:]]*include[[:space:]]*<\([^>]*\)>.*/\1/p' "$1"; }

# Project includes of every file in <folder> must start with one of the allowed prefixes.
only_from() {
  local folder=$1
  shift
  local file inc prefix ok
  while IFS= read -r file; do
    while IFS= read -r inc; do
      ok=0
      for prefix in "$@"; do [[ $inc == "$prefix"* && $inc != platform/qt/* ]] && ok=1; done
      [ "$ok" = 1 ] || complain "${file#"$src"/}" "includes \"$inc\""
    done < <(quoted "$file")
  done < <(find "$src/$folder" -maxdepth 1 -type f \( -name '*.h' -o -name '*.cpp' \))
}

only_from game game/
only_from view view/ game/ platform/
only_from platform platform/ game/

# game/ sees nothing but the standard library: no system or toolkit headers either.
while IFS= read -r file; do
  while IFS= read -r inc; do
    [[ $inc =~ ^[a-z_]+$ ]] || complain "${file#"$src"/}" "includes <$inc>"
  done < <(angled "$file")
done < <(find "$src/game" -type f \( -name '*.h' -o -name '*.cpp' \))

for folder in game view effects leaderboard platform; do
  while IFS= read -r hit; do complain "${hit%%:*}" "includes a shell/ header"; done \
    < <(grep -rlE '^[[:space:]]*#[[:space:]]*include[[:space:]]*"shell/' "$src/$folder" || true)
done

while IFS= read -r source; do
  [ -n "$source" ] || continue
  for file in "$source" "${source%.cpp}.h"; do
    [ -f "$file" ] || continue
    if quoted "$file" | grep -q '^platform/qt/'; then complain "${file#"$src"/}" "is core and includes platform/qt/"; fi
    if angled "$file" | grep -qE '^Q[A-Za-z]+'; then complain "${file#"$src"/}" "is core and includes Qt"; fi
  done
done < <(tr ';' '\n' < "$core_list")

[ "$broken" = 0 ] && echo "the layers keep their include rules"
exit "$broken"
