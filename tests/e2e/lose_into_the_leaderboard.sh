#!/usr/bin/env bash
# A whole game under Xvfb: score, lose, accept the place, enter a name, see the leaderboard
# window, and find the row in data.dat. The moves are planned on the game's seed.
source "$(dirname "$0")/lib.sh"
make_game_copy
write_quiet_settings 4
export PELMORA_SEED=10  # a board that is lost with points after six presses, long before the first descent
plan=$("$PLAN" "$PELMORA_SEED" 4) || fail "no plan for seed $PELMORA_SEED"
score=$(echo "$plan" | sed -n 's/^score //p')
[ "$score" -gt 0 ] || fail "the plan scores nothing"

start_x
start_game
wait_main_window
lose_with_a_record "$plan" Tester
sleep 0.5
mkdir -p "$OUT_DIR"
shot "$OUT_DIR/leaderboard.png"

[ -f "$GAME/data.dat" ] || fail "data.dat was not written"
[ "$(stat -c %s "$GAME/data.dat")" -eq 540 ] || fail "data.dat is not 540 bytes"
name=$(dd if="$GAME/data.dat" bs=1 skip=2 count=6 2>/dev/null)
[ "$name" = Tester ] || fail "row 1 holds the name '$name'"
stored=$(od -An -tu4 -j18 -N4 "$GAME/data.dat" | tr -d ' ')
[ "$stored" = "$score" ] || fail "row 1 holds the score $stored, the game made $score"

eval "$(xdotool getwindowgeometry --shell "$WIN")"
xdotool mousemove $((X + 64 + 100)) $((Y + 256 + 12)) click 1  # "关闭"
wait_gone '^Lumo排行榜$'
echo "ok: lost with $score points; Tester is in row 1 of data.dat"
