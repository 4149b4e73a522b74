#!/usr/bin/env bash
# A whole game under Xvfb: score, lose, accept the place, enter a name, see the leaderboard
# window, and find the row in data.dat. The moves are planned on the game's seed.
# The question comes over the lost board; then, and with no record, the game-over picture.
source "$(dirname "$0")/lib.sh"
lost_figure() {  # whether screenshot $1 shows a frame of images/ROver.JPG, within its mask, at x $2
  local w=$((72 + ($2 < 0 ? $2 : 0))) x=$(($2 < 0 ? 0 : $2)) f
  for f in 0 1 2 3; do
    convert "$GAME/images/ROverM.JPG" -crop "${w}x72+$((72 * f + 72 - w))+0" -threshold 50% -negate +repage "$WORK/m.png"
    convert "$1" -crop "${w}x72+$((WX + 36 + x))+$((WY + 429))" +repage \( "$GAME/images/ROver.JPG" -crop "${w}x72+$((72 * f + 72 - w))+0" \
      +repage \) -compose difference -composite -threshold 12% "$WORK/m.png" -compose multiply -composite "$WORK/d.png"
    convert "$WORK/d.png" "$WORK/m.png" -format '%[fx:mean*w*h] ' info: | awk '{ok = $1 < $2 / 20 && $2 > 500} END {exit !ok}' && return 0
  done
  return 1
}
game_over() { convert "$1" -crop "376x480+$((WX + 36))+$((WY + 25))" +repage "$WORK/field.png"
  [ "$(compare -metric AE -fuzz 4% "$WORK/field.png" "$GAME/ui/GameOver.png" null: 2>&1 | cut -d' ' -f1)" -lt 2000 ]; }
make_game_copy
write_quiet_settings 4
export PELMORA_SEED=10  # a board that is lost with points after six presses, long before the first descent
plan=$("$PLAN" "$PELMORA_SEED" 4) || fail "no plan for seed $PELMORA_SEED"
score=$(echo "$plan" | sed -n 's/^score //p')
[ "$score" -gt 0 ] || fail "the plan scores nothing"

start_x
start_game
wait_main_window
click 535 150  # new game
sleep 1
play_plan "$plan"

wait_window '^新的记录$'  # "store it in the leaderboard?"
mkdir -p "$OUT_DIR"
shot "$OUT_DIR/record_question.png"
lost_figure "$OUT_DIR/record_question.png" $((36 * $(tail -n 2 <<<"$plan" | head -n 1 | cut -d' ' -f2) - 8)) || fail "asked over an older frame"
keys_to "$WIN" key Return
wait_gone '^新的记录$' "$WIN"
wait_window '^新的记录$'  # the name
keys_to "$WIN" type --delay 50 "Tester"
keys_to "$WIN" key Return
wait_window '^Lumo排行榜$'
sleep 0.5
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
shot "$OUT_DIR/game_over_with_record.png"
game_over "$OUT_DIR/game_over_with_record.png" || fail "no game-over picture after the leaderboard"
kill -9 "$LAST_PID"  # the same game against ten rows of 1000 points (e8 03): no record
for _ in $(seq 10); do printf '%018d' 0; printf '\xe8\x03%016d%018d' 0 0; done | tr 0 '\0' >"$GAME/data.dat"
start_game && wait_main_window && click 535 150 && sleep 1 && play_plan "$plan" && sleep 1
shot "$OUT_DIR/game_over.png"
[ -z "$(xdotool search --onlyvisible --name '^新的记录$' || true)" ] || fail "a place offered for no record"
game_over "$OUT_DIR/game_over.png" || fail "no game-over picture without a record"
echo "ok: lost with $score points; Tester is in row 1 of data.dat; the last board, then game over"
