#!/usr/bin/env bash
# A whole game under Xvfb: score, lose, see the board that ended it while the record question
# is asked, accept the place, enter a name, see the leaderboard window, find the row in data.dat,
# and the game-over picture over the field. The same game again, against a full table of better
# scores, makes no record: no question, only the game-over picture. The moves are planned on the game's seed.
source "$(dirname "$0")/lib.sh"

# Whether the lost player's figure (a frame of images/ROver.JPG where its mask is black) stands
# under column $2 in the screenshot $1: only the frame that ends a game draws it.
shows_lost_player() {
  local left=$((36 * $2 - 8)) skip=0
  if [ "$left" -lt 0 ]; then skip=$((-left)); left=0; fi
  local w=$((72 - skip)) f mismatched figure
  convert "$1" -crop "${w}x72+$((WX + 36 + left))+$((WY + 25 + 404))" +repage "$WORK/seen.png"
  for f in 0 1 2 3; do
    convert "$GAME/images/ROverM.JPG" -crop "${w}x72+$((72 * f + skip))+0" +repage -threshold 50% -negate "$WORK/figure.png"
    convert "$GAME/images/ROver.JPG" -crop "${w}x72+$((72 * f + skip))+0" +repage "$WORK/sprite.png"
    mismatched=$(convert "$WORK/seen.png" "$WORK/sprite.png" -compose difference -composite -colorspace gray \
      -threshold 12% "$WORK/figure.png" -compose multiply -composite -format '%[fx:round(mean*w*h)]' info:)
    figure=$(convert "$WORK/figure.png" -format '%[fx:round(mean*w*h)]' info:)
    [ "$figure" -gt 500 ] && [ "$mismatched" -lt $((figure / 20)) ] && return 0
  done
  return 1
}

# Whether the field in the screenshot $1 shows the game-over picture.
shows_game_over() {
  convert "$1" -crop "376x480+$((WX + 36))+$((WY + 25))" +repage "$WORK/field.png"
  local off
  off=$(compare -metric AE -fuzz 4% "$WORK/field.png" "$GAME/ui/GameOver.png" null: 2>&1 | cut -d' ' -f1 || true)
  [ "${off%.*}" -lt 2000 ]
}
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

last=$(grep -E '^[LR] ' <<<"$plan" | tail -n 1 | cut -d' ' -f2)
wait_window '^新的记录$'  # "store it in the leaderboard?"
mkdir -p "$OUT_DIR"
shot "$OUT_DIR/record_question.png"
shows_lost_player "$OUT_DIR/record_question.png" "$last" || fail "the record question came before the board that ended the game"
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
sleep 0.5
shot "$OUT_DIR/game_over_with_record.png"
shows_game_over "$OUT_DIR/game_over_with_record.png" || fail "no game-over picture after the leaderboard closed"

# The same board and moves again, against ten rows of 1000 points: no record.
kill -9 "$LAST_PID"
zeros() { printf '\x00%.0s' $(seq "$1"); }
for _ in $(seq 10); do zeros 18; printf '\xe8\x03'; zeros 16; zeros 18; done >"$GAME/data.dat"
start_game
wait_main_window
click 535 150
sleep 1
play_plan "$plan"
sleep 1
[ -z "$(xdotool search --onlyvisible --name '^新的记录$' 2>/dev/null || true)" ] || fail "no record, but a place was offered"
shot "$OUT_DIR/game_over.png"
shows_game_over "$OUT_DIR/game_over.png" || fail "a game lost without a record shows no game-over picture"
echo "ok: lost with $score points; the last board shown at the question; Tester is in row 1 of data.dat; game over shown with and without a record"
