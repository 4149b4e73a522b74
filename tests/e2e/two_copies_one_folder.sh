#!/usr/bin/env bash
# Two copies of the game on one folder, each with a lock of its own (two sessions), both started
# while data.dat holds three rows: each loses with a record and enters a name. Both rows must be
# in data.dat; the copy that saves last must not write back the table it read at its start.
source "$(dirname "$0")/lib.sh"
make_game_copy
write_quiet_settings 4
export PELMORA_SEED=10
plan=$("$PLAN" "$PELMORA_SEED" 4) || fail "no plan for seed $PELMORA_SEED"
score=$(echo "$plan" | sed -n 's/^score //p')
[ "$score" -gt 0 ] && [ "$score" -lt 800 ] || fail "the plan scores $score"

# One 18-byte record of text, or of a 32-bit little-endian score.
text_record() { printf "\\x$(printf %02x ${#1})\\x00%s" "$1"; head -c $((16 - ${#1})) /dev/zero; }
score_record() {
  local s=$1
  printf "\\x$(printf %02x $((s & 255)))\\x$(printf %02x $((s >> 8 & 255)))\\x00\\x00"
  head -c 14 /dev/zero
}
{
  for row in "A 1000" "B 900" "C 800"; do
    text_record "${row% *}"
    score_record "${row#* }"
    text_record 2026/1/1
  done
  head -c $((21 * 18)) /dev/zero
} >"$GAME/data.dat"

# The main window of the game with process id $1, moved to x = $2; sets WID, WX, WY.
main_window_of() {
  WID=""
  for _ in $(seq 300); do
    WID=$(xdotool search --all --onlyvisible --pid "$1" --name '^Pelmora2\.0\.0$' 2>/dev/null | head -n 1 || true)
    [ -n "$WID" ] && break
    sleep 0.1
  done
  [ -n "$WID" ] || fail "the main window of process $1 did not appear"
  xdotool windowmove --sync "$WID" "$2" 0
  eval "$(xdotool getwindowgeometry --shell "$WID")"
  WX=$X
  WY=$Y
  sleep 0.3
}

name_of_row() { dd if="$GAME/data.dat" bs=1 skip=$((($1 - 1) * 54 + 2)) count=5 2>/dev/null | tr -d "\\0"; }

start_x 1600x900
for run in r1 r2; do
  export XDG_RUNTIME_DIR="$WORK/$run"
  mkdir -m 700 "$XDG_RUNTIME_DIR"
  start_game
done
copy_a=${GAME_PIDS[0]}
copy_b=${GAME_PIDS[1]}
main_window_of "$copy_b" 800  # both have read the three rows

main_window_of "$copy_a" 0
lose_with_a_record "$plan" Alpha
[ "$(name_of_row 4)" = Alpha ] || fail "row 4 holds '$(name_of_row 4)' after Alpha's save"
kill -9 "$copy_a"
wait_gone '^Lumo排行榜$'

main_window_of "$copy_b" 800
lose_with_a_record "$plan" Bravo
mkdir -p "$OUT_DIR"
shot "$OUT_DIR/two_copies_leaderboard.png"
[ "$(stat -c %s "$GAME/data.dat")" -eq 540 ] || fail "data.dat is not 540 bytes"
rows="$(name_of_row 1) $(name_of_row 2) $(name_of_row 3) $(name_of_row 4) $(name_of_row 5) $(name_of_row 6)"
[ "$rows" = "A B C Alpha Bravo " ] || fail "data.dat holds the rows '$rows'"
echo "ok: two copies on one folder each stored a record of $score points; data.dat holds both"
