#!/usr/bin/env bash
# A click at a column's border on a screen of twice the pixels (QT_SCALE_FACTOR=2) goes to the
# column under the cursor's tip: the screen pixel of the hot spot, which lies on the tip, decides,
# not a rounding of it to the nearer logical pixel. Columns 4 and 5 meet at logical x 224 of the
# window: screen pixel 447 is the last of column 4, 449 the second of column 5. A right click at
# 447 grabs from column 4 alone; a left click at 449 throws into column 5 alone.
source "$(dirname "$0")/lib.sh"
make_game_copy
write_quiet_settings 2
export PELMORA_SEED=7
start_x 1600x1300
UI_SCALE=2 QT_SCALE_FACTOR=2 start_game
UI_SCALE=2
wait_main_window
click 535 150  # new game
sleep 1

# The top 400 logical rows of column $1, in screen pixels of the client area.
column_top() { echo "72x800+$((2 * (35 + 1 + 8 + 36 * $1)))+$((2 * 25))"; }

# click_at SCREEN_X BUTTON NAME: a click with the pointer resting there, shots before and after.
click_at() {
  xdotool mousemove $((WX + $1)) $((WY + 600))
  sleep 0.5
  shot "$WORK/before-$3.png"
  xdotool click "$2"
  sleep 1.5
  shot "$WORK/after-$3.png"
}
changed() { differing_pixels "$WORK/before-$1.png" "$WORK/after-$1.png" "$(column_top "$2")"; }

click_at 447 3 grab
[ "$(changed grab 4)" -gt 4000 ] || fail "a right click at screen x 447 did not grab from column 4"
[ "$(changed grab 5)" -lt 1200 ] || fail "a right click at screen x 447 reached column 5"
click_at 449 1 throw
[ "$(changed throw 5)" -gt 4000 ] || fail "a left click at screen x 449 did not throw into column 5"
[ "$(changed throw 4)" -lt 1200 ] || fail "a left click at screen x 449 reached column 4"
echo "ok: at scale 2 a click on either side of a column border goes to the column under the tip"
