#!/usr/bin/env bash
# One running game at a time: a second start ends at once with no window; after the first is
# killed, a new start works.
source "$(dirname "$0")/lib.sh"
make_game_copy
start_x
start_game
first=$LAST_PID
wait_main_window
before=$(visible_windows)

start=$(date +%s%N)
"$GAME/pelmora" >>"$WORK/game.log" 2>&1 && status=0 || status=$?
took=$(( ($(date +%s%N) - start) / 1000000 ))
[ "$status" -eq 0 ] || fail "the second start ended with status $status"
[ "$(visible_windows)" -eq "$before" ] || fail "the second start showed a window"
echo "second start ended after $took ms"

kill -9 "$first"
sleep 0.5
start_game
wait_main_window
echo "ok: a second start ends at once; a killed first run does not block the next"
