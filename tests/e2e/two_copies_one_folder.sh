#!/usr/bin/env bash
# Two copies on one folder (two sessions: a lock each), both started before either saves, each
# enter a record: the copy that saves last must keep the other's row in data.dat.
source "$(dirname "$0")/lib.sh"
make_game_copy
write_quiet_settings 4
export PELMORA_SEED=10
plan=$("$PLAN" "$PELMORA_SEED" 4) || fail "no plan for seed $PELMORA_SEED"

start_x 1600x900
for run in r1 r2; do
  export XDG_RUNTIME_DIR="$WORK/$run"
  mkdir -m 700 "$XDG_RUNTIME_DIR"
  start_game
done
wait_main_window "${GAME_PIDS[1]}" 800  # both have read data.dat
wait_main_window "${GAME_PIDS[0]}" 0
lose_with_a_record "$plan" Alpha
kill -9 "${GAME_PIDS[0]}"
wait_gone '^Lumo排行榜$'
wait_main_window "${GAME_PIDS[1]}" 800
lose_with_a_record "$plan" Bravo
mkdir -p "$OUT_DIR"
shot "$OUT_DIR/two_copies_leaderboard.png"

name_of_row() { dd if="$GAME/data.dat" bs=1 skip=$((($1 - 1) * 54 + 2)) count=5 2>/dev/null | tr -d '\0'; }
rows="$(name_of_row 1) $(name_of_row 2) $(name_of_row 3)"
[ "$rows" = "Alpha Bravo " ] || fail "data.dat holds the rows '$rows'"
echo "ok: two copies on one folder each stored a record; data.dat holds both"
