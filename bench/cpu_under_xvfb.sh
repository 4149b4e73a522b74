#!/usr/bin/env bash
# CPU used by the real game under Xvfb during some seconds of play (30 unless given): a new
# game, then a press on a random column every second. Reads the game's own CPU time from /proc.
# Usage: bench/cpu_under_xvfb.sh <game folder> [seconds]
# With QT_SCALE_FACTOR=2 in the environment the game runs at device scale 2.
GAME_DIR=$(cd "$1" && pwd)
OUT_DIR=$(mktemp -d)
source "$(dirname "$0")/../tests/e2e/lib.sh"
UI_SCALE=${QT_SCALE_FACTOR:-1}
make_game_copy
start_x 1600x1300
start_game
wait_main_window
click 535 150
sleep 1
ticks() { awk '{print $14 + $15}' "/proc/$LAST_PID/stat"; }
hz=$(getconf CLK_TCK)
before=$(ticks)
PLAY_SECONDS=${2:-30}
for _ in $(seq "$PLAY_SECONDS"); do
  click "$(column_x $((RANDOM % 10)))" 300 $((RANDOM % 2 == 0 ? 1 : 3))
  sleep 0.9
done
after=$(ticks)
echo "game CPU over $PLAY_SECONDS s of play: $(( (after - before) * 1000 / hz )) ms = $(awk "BEGIN {printf \"%.2f\", ($after - $before) * 100 / $hz / $PLAY_SECONDS}") % of one core"
