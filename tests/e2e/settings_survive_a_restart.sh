#!/usr/bin/env bash
# Choose another picture set and mode, leave through the exit button, and find both in
# VornPGame.ini and in use at the next start.
source "$(dirname "$0")/lib.sh"
make_game_copy
start_x
start_game
wait_main_window
shot "$WORK/start.png"

click 535 327  # the game menu
sleep 0.6
mkdir -p "$OUT_DIR"
shot "$OUT_DIR/game-menu.png"
menu=$(xdotool search --onlyvisible --class pelmora 2>/dev/null | tail -n 1)
keys_to "$menu" key Down Right  # "选择游戏图片" and its submenu
sleep 0.5
shot "$OUT_DIR/picture-set-menu.png"
xdotool key Down Return  # the submenu opens on 宝石 (its separator line is passed over): 花园
sleep 0.6
shot "$WORK/garden.png"
changed=$(differing_pixels "$WORK/start.png" "$WORK/garden.png" 376x480+36+25)
[ "$changed" -gt 20000 ] || fail "choosing a picture set did not change the field ($changed)"

click 570 440  # mode 3
click 535 210  # exit
wait_window '^提示$'
keys_to "$WIN" key Return
for _ in $(seq 50); do kill -0 "$LAST_PID" 2>/dev/null || break; sleep 0.1; done
kill -0 "$LAST_PID" 2>/dev/null && fail "the game did not end"
settings=$(iconv -f GBK -t UTF-8 "$GAME/VornPGame.ini")
grep -q $'^GameMain=2\r$' <<<"$settings" || fail "GameMain was not saved: $settings"
grep -q $'^GameMode=3\r$' <<<"$settings" || fail "GameMode was not saved: $settings"

start_game
wait_main_window
click 535 150  # new game: mode 3 fills rows 0..6, so rows 8..10 of columns 0..2 show the background
sleep 1
shot "$WORK/restarted.png"
region=108x100+$((36 + 8))+$((25 + 8 + 36 * 8))
# Choosing the garden again changes nothing there; choosing the gems does.
click 535 327; sleep 0.5
menu=$(xdotool search --onlyvisible --class pelmora 2>/dev/null | tail -n 1)
keys_to "$menu" key Down Right; sleep 0.3; xdotool key Down Return; sleep 0.5
shot "$WORK/garden-again.png"
same=$(differing_pixels "$WORK/restarted.png" "$WORK/garden-again.png" "$region")
click 535 327; sleep 0.5
menu=$(xdotool search --onlyvisible --class pelmora 2>/dev/null | tail -n 1)
keys_to "$menu" key Down Right; sleep 0.3; xdotool key Return; sleep 0.5
shot "$WORK/gems.png"
other=$(differing_pixels "$WORK/restarted.png" "$WORK/gems.png" "$region")
[ "$same" -lt 200 ] && [ "$other" -gt 2000 ] || fail "the restart did not use the garden set ($same vs $other)"
echo "ok: set and mode saved and used at the next start"
