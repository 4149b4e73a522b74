#!/usr/bin/env bash
# Keyboard play and the pause in the real game under Xvfb: with the pointer off the field the
# arrows move the player and down grabs; P hides the board behind the pause picture and freezes
# everything, the descent's countdown included; P again goes on.
source "$(dirname "$0")/lib.sh"
make_game_copy
write_quiet_settings 2
start_x
start_game
wait_main_window

FIELD=376x480+36+25
column_region() { echo "36x480+$((36 + 8 + 36 * $1))+25"; }
press() { keys_to "$WID" key --delay 150 "$@"; sleep 0.5; }

click 535 150  # new game
xdotool mousemove $((WX + $(column_x 0))) $((WY + 300))
sleep 0.3
xdotool mousemove $((WX + 620)) $((WY + 530))  # off the field: the player stays at column 0
sleep 0.5
press Right Right Right Right
shot "$WORK/moved.png"
press Down
sleep 1
shot "$WORK/grabbed.png"
changed=$(differing_pixels "$WORK/moved.png" "$WORK/grabbed.png" "$(column_region 4)")
[ "$changed" -gt 1000 ] || fail "right four times and down did not grab in column 4 ($changed pixels changed)"
for c in 0 1 2 3 5 6 7 8 9; do
  other=$(differing_pixels "$WORK/moved.png" "$WORK/grabbed.png" "$(column_region $c | sed 's/x480+/x400+/')")
  [ "$other" -lt 300 ] || fail "the grab changed column $c too ($other pixels)"
done

press p
shot "$WORK/paused.png"
convert "$WORK/paused.png" -crop "${FIELD%%+*}+$((WX + 36))+$((WY + 25))" +repage "$WORK/field.png"
off=$(compare -metric AE "$WORK/field.png" "$GAME/ui/Pause.png" null: 2>&1 | cut -d' ' -f1 || true)
[ "$off" -lt 200 ] || fail "the paused field is not the pause picture ($off pixels differ)"
sleep 2.5
shot "$WORK/still.png"
moved=$(differing_pixels "$WORK/paused.png" "$WORK/still.png" 651x551+0+0)
[ "$moved" -eq 0 ] || fail "something moved during the pause ($moved pixels)"

# Paused long past the 20 s of a descent: resumed, the board has not come down.
sleep 19.5
press p
shot "$WORK/resumed.png"
for c in 0 1 2 3; do
  top=$(differing_pixels "$WORK/grabbed.png" "$WORK/resumed.png" "$(column_region $c | sed 's/x480+/x180+/')")
  [ "$top" -lt 50 ] || fail "the board came down during the pause (column $c: $top pixels)"
done
# Running again: frames draw the field once more, and the keys are heard. Only a frame draws the
# player, so the left half of column 3 at the player's height, empty while he stands in column 4,
# shows his body once he has stepped left. (The field's own animation repeats every 400 ms and two
# of its four frames look alike: shots taken at a fixed pace can keep meeting the same picture.)
press Left
shot "$WORK/stepped.png"
stepped=$(differing_pixels "$WORK/resumed.png" "$WORK/stepped.png" "18x72+$((36 + 8 + 36 * 3))+$((25 + 404))")
[ "$stepped" -gt 400 ] || fail "P did not resume the game: left did not move the player ($stepped pixels changed)"
kill -0 "$LAST_PID" || fail "the game ended by itself"
mkdir -p "$OUT_DIR"
convert "$WORK/paused.png" -crop "651x551+$WX+$WY" +repage "$OUT_DIR/paused.png"
echo "ok: keys move and grab; the pause hides the board, freezes it and keeps the descent's time"
