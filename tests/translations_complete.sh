#!/usr/bin/env bash
# The English catalogue is complete: lupdate, run over the whole source, finds no text the
# catalogue lacks and none it holds in vain (the catalogue comes back byte for byte), and every
# message has a finished, non-empty translation.
# Usage: translations_complete.sh <src folder> <catalogue .ts> <lupdate>
set -uo pipefail
src=${1:-}
ts=${2:-}
lupdate=${3:-}
[ -d "$src" ] && [ -s "$ts" ] && [ -x "$lupdate" ] || { echo "usage: $0 <src> <ts> <lupdate>" >&2; exit 2; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp "$ts" "$work/check.ts"
"$lupdate" -silent -locations none "$src" -ts "$work/check.ts" || { echo "lupdate failed" >&2; exit 1; }
broken=0
if ! cmp -s "$ts" "$work/check.ts"; then
  echo "the catalogue and the source disagree (+ what the source says, - what only the catalogue has):" >&2
  diff "$ts" "$work/check.ts" | grep -E '^[<>]' | sed 's/^>/+/; s/^</-/' >&2
  broken=1
fi
if grep -nE 'type="(unfinished|vanished|obsolete)"|<translation></translation>|<translation/>' "$ts" >&2; then
  echo "these messages have no finished translation" >&2
  broken=1
fi
[ "$broken" = 0 ] && echo "every text of the game has its English translation"
exit "$broken"
