#!/usr/bin/env bash
# One running game at a time: a second start ends at once with no window and brings the running
# one to the front, un-minimised; after the first is killed, a new start works.
source "$(dirname "$0")/lib.sh"
make_game_copy
start_x
start_game
first=$LAST_PID
wait_main_window
before=$(visible_windows)

covered() {  # magenta pixels of another program's window over the game's: the second start raises it
  convert "$1" -crop "300x300+$((WX + 100))+$((WY + 100))" -fill black +opaque '#f0f' -fill white -opaque '#f0f' \
    -format '%[fx:round(mean*w*h)]' info:
}
display -geometry "+$((WX + 100))+$((WY + 100))" -size 300x300 xc:'#f0f' &
GAME_PIDS+=("$!") && sleep 1.5
shot "$WORK/covered.png"
[ "$(covered "$WORK/covered.png")" -gt 80000 ] || fail "the other window does not cover the game"

start=$(date +%s%N)
"$GAME/pelmora" >>"$WORK/game.log" 2>&1 && status=0 || status=$?
took=$(( ($(date +%s%N) - start) / 1000000 ))
[ "$status" -eq 0 ] || fail "the second start ended with status $status"
[ "$(visible_windows)" -eq "$before" ] || fail "the second start showed a window"
echo "second start ended after $took ms"
sleep 0.5
shot "$WORK/raised.png"
[ "$(covered "$WORK/raised.png")" -lt 100 ] || fail "the running game did not come to the front"

kill -9 "$first"
sleep 0.5
start_game
wait_main_window
# Minimising needs a window manager: one comes now, after the checks of places above.
openbox >/dev/null 2>&1 & GAME_PIDS+=("$!") && sleep 1.5
map_state() { for _ in $(seq 50); do xwininfo -id "$WID" | grep -q "Map State: $1" && return 0; sleep 0.1; done; return 1; }
xdotool windowminimize --sync "$WID" && map_state IsUnMapped || fail "the window manager did not minimise the game"
"$GAME/pelmora" >>"$WORK/game.log" 2>&1 && map_state IsViewable || fail "a second start did not un-minimise the game"
[ "$(xdotool getactivewindow)" = "$WID" ] || fail "the un-minimised game is not the active window"
echo "ok: a second start raises (and un-minimises) the running game and ends at once; a killed first run does not block the next"
