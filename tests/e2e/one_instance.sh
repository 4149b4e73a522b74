#!/usr/bin/env bash
# One running game at a time: a second start brings the running game's window to the front and
# ends at once with no window of its own; after the first is killed, a new start works.
source "$(dirname "$0")/lib.sh"
make_game_copy
start_x
start_game
first=$LAST_PID
wait_main_window
before=$(visible_windows)

# Another program's window over the game's. (With no window manager to minimise it, un-minimising
# is the widget tests' part.)
covered() {
  convert "$1" -crop "300x300+$((WX + 100))+$((WY + 100))" +repage -fill black +opaque '#ff00ff' \
    -fill white -opaque '#ff00ff' -format '%[fx:round(mean*w*h)]' info:
}
convert -size 300x300 xc:'#ff00ff' "$WORK/cover.png"
display -geometry "+$((WX + 100))+$((WY + 100))" "$WORK/cover.png" &
GAME_PIDS+=("$!")
sleep 1.5
shot "$WORK/covered.png"
[ "$(covered "$WORK/covered.png")" -gt 80000 ] || fail "the other window does not cover the game"

start=$(date +%s%N)
"$GAME/pelmora" >>"$WORK/game.log" 2>&1 && status=0 || status=$?
took=$(( ($(date +%s%N) - start) / 1000000 ))
[ "$status" -eq 0 ] || fail "the second start ended with status $status"
[ "$(visible_windows)" -eq "$before" ] || fail "the second start showed a window"
echo "second start ended after $took ms"
sleep 0.5
mkdir -p "$OUT_DIR"
shot "$OUT_DIR/raised_by_a_second_start.png"
[ "$(covered "$OUT_DIR/raised_by_a_second_start.png")" -lt 100 ] || fail "the running game did not come to the front"

kill -9 "$first"
sleep 0.5
start_game
wait_main_window
echo "ok: a second start raises the running game and ends; a killed first run does not block the next"
