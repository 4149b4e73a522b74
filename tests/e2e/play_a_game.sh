#!/usr/bin/env bash
# The real game under Xvfb: start a new game, grab a run, throw it, and see the field change
# where the pieces are. Leaves a screenshot of the game in progress in OUT_DIR.
source "$(dirname "$0")/lib.sh"
make_game_copy
write_quiet_settings 2
start_x
start_game
wait_main_window
shot "$WORK/idle.png"

click 535 150  # new game
sleep 1
shot "$WORK/new.png"
changed=$(differing_pixels "$WORK/idle.png" "$WORK/new.png" 376x180+36+25)
[ "$changed" -gt 5000 ] || fail "a new game did not fill the top of the field ($changed pixels changed)"

# Grab the bottom run of column 2: the pieces leave the column and the player holds them.
click "$(column_x 2)" 300
sleep 1.5
shot "$WORK/grabbed.png"
changed=$(differing_pixels "$WORK/new.png" "$WORK/grabbed.png" 36x180+$((36 + 8 + 72))+25)
[ "$changed" -gt 300 ] || fail "the grab did not change column 2 ($changed pixels changed)"

# Throw them under column 7.
click "$(column_x 7)" 300
sleep 2
shot "$WORK/thrown.png"
changed=$(differing_pixels "$WORK/grabbed.png" "$WORK/thrown.png" 36x400+$((36 + 8 + 252))+25)
[ "$changed" -gt 300 ] || fail "the throw did not change column 7 ($changed pixels changed)"

mkdir -p "$OUT_DIR"
convert "$WORK/thrown.png" -crop "651x551+$WX+$WY" +repage "$OUT_DIR/game-in-progress.png"
kill -0 "$LAST_PID" || fail "the game ended by itself"
echo "ok: played; screenshot in $OUT_DIR/game-in-progress.png"
